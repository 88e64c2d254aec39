<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<!-- Translations of KV310 PC Programmer for radio technicians. Review by native speakers is welcome:
     see "Contributing a translation" in README.md. -->
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programs the KV310 and KV330 16-channel VHF/UHF data radios:
channels, signalling, modem, GPS reporting and system options.</source>
        <translation>Programmiert die 16-Kanal-VHF/UHF-Datenfunkgeräte KV310 und KV330:
Kanäle, Signalisierung, Modem, GPS-Meldung und Systemoptionen.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Erstellt mit Qt %1.</translation>
    </message>
    <message>
        <source>About Data Radio PC Programmer</source>
        <translation>Über Data Radio PC Programmer</translation>
    </message>
</context>
<context>
    <name>CBulkEditDlg</name>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Gewählte Kanäle bearbeiten</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Kept only on channels whose frequencies lie on the step&apos;s grid</source>
        <translation>Nur bei Kanälen übernommen, deren Frequenzen auf dem Kanalraster liegen</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(unverändert)</translation>
    </message>
    <message>
        <source>&amp;Bandwidth</source>
        <translation>&amp;Bandbreite</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>&amp;Leistung</translation>
    </message>
    <message>
        <source>&amp;Scan member</source>
        <translation>&amp;Suchlauf-Kanal</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Kanalras&amp;ter</translation>
    </message>
    <message>
        <source>&amp;RX signalling</source>
        <translation>&amp;RX-Signalisierung</translation>
    </message>
    <message>
        <source>T&amp;X signalling</source>
        <translation>T&amp;X-Signalisierung</translation>
    </message>
</context>
<context>
    <name>CBusyState</name>
    <message>
        <source>This cannot be done while %1 is running. Wait until it has finished, or cancel it in its window.</source>
        <translation>Das geht nicht, solange %1 läuft. Warten Sie, bis es fertig ist, oder brechen Sie es in seinem Fenster ab.</translation>
    </message>
</context>
<context>
    <name>CCalibrationDlg</name>
    <message>
        <source>Radio channel</source>
        <translation>Funkkanal</translation>
    </message>
    <message>
        <source>Set the radio channel</source>
        <translation>Funkkanal einstellen</translation>
    </message>
    <message>
        <source>Transmit mode</source>
        <translation>Sendebetrieb</translation>
    </message>
    <message>
        <source>Scan stop</source>
        <translation>Suchlauf anhalten</translation>
    </message>
    <message>
        <source>Scan start</source>
        <translation>Suchlauf starten</translation>
    </message>
    <message>
        <source>Scan delete</source>
        <translation>Suchlauf löschen</translation>
    </message>
    <message>
        <source>Send the scan choice</source>
        <translation>Suchlauf-Auswahl senden</translation>
    </message>
    <message>
        <source>GPS power</source>
        <translation>GPS-Versorgung</translation>
    </message>
    <message>
        <source>GPS data off</source>
        <translation>GPS-Daten aus</translation>
    </message>
    <message>
        <source>GPS data to the external output</source>
        <translation>GPS-Daten an den externen Ausgang</translation>
    </message>
    <message>
        <source>GPS data to the external output and RF transmission</source>
        <translation>GPS-Daten an den externen Ausgang und per Funk</translation>
    </message>
    <message>
        <source>Modem test data</source>
        <translation>Modem-Testdaten</translation>
    </message>
    <message>
        <source>GMSK alignment</source>
        <translation>GMSK-Abgleich</translation>
    </message>
    <message>
        <source>FFSK alignment</source>
        <translation>FFSK-Abgleich</translation>
    </message>
    <message>
        <source>FFSK space tone</source>
        <translation>FFSK-Space-Ton</translation>
    </message>
    <message>
        <source>FFSK mark tone</source>
        <translation>FFSK-Mark-Ton</translation>
    </message>
    <message>
        <source>GMSK alignment transmit</source>
        <translation>GMSK-Abgleich senden</translation>
    </message>
    <message>
        <source>Modem firmware upgrade mode</source>
        <translation>Modem-Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Reset the radio</source>
        <translation>Funkgerät zurücksetzen</translation>
    </message>
    <message>
        <source> Disable</source>
        <translation> Aus</translation>
    </message>
    <message>
        <source> External Output Disable</source>
        <translation> Externer Ausgang aus</translation>
    </message>
    <message>
        <source> RF Transmission Disable</source>
        <translation> Funkaussendung aus</translation>
    </message>
    <message>
        <source> Enable</source>
        <translation> Ein</translation>
    </message>
    <message>
        <source> External Output Enable</source>
        <translation> Externer Ausgang ein</translation>
    </message>
    <message>
        <source> RF Transmission Enable</source>
        <translation> Funkaussendung ein</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>ABGLEICH</translation>
    </message>
    <message>
        <source> CALIBRATION </source>
        <translation> ABGLEICH </translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SETZEN</translation>
    </message>
    <message>
        <source>1. Change Channel </source>
        <translation>1. Kanal wechseln </translation>
    </message>
    <message>
        <source>Rx Mode</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>2. RTX_Mode</source>
        <translation>2. Sende-/Empfangsbetrieb</translation>
    </message>
    <message>
        <source>Scan Stop</source>
        <translation>Suchlauf Stopp</translation>
    </message>
    <message>
        <source>Scan Start</source>
        <translation>Suchlauf Start</translation>
    </message>
    <message>
        <source>Scan Delete</source>
        <translation>Suchlauf Löschen</translation>
    </message>
    <message>
        <source>3. Scan_Mode</source>
        <translation>3. Suchlauf</translation>
    </message>
    <message>
        <source>Power Disable</source>
        <translation>Versorgung aus</translation>
    </message>
    <message>
        <source>4. GPS</source>
        <translation>4. GPS</translation>
    </message>
    <message>
        <source>5. GPS Data</source>
        <translation>5. GPS-Daten</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>6. Modem Test Data</source>
        <translation>6. Modem-Testdaten</translation>
    </message>
    <message>
        <source>GMSK</source>
        <translation>GMSK</translation>
    </message>
    <message>
        <source> FFSK</source>
        <translation> FFSK</translation>
    </message>
    <message>
        <source>Space Disable</source>
        <translation>Space aus</translation>
    </message>
    <message>
        <source>Mark Disable</source>
        <translation>Mark aus</translation>
    </message>
    <message>
        <source> Tx Disable</source>
        <translation> Senden aus</translation>
    </message>
    <message>
        <source>7. Alignment test </source>
        <translation>7. Abgleichtest </translation>
    </message>
    <message>
        <source>8. Modem Firmware Upgrade</source>
        <translation>8. Modem-Firmware aktualisieren</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>9. Radio Reset</source>
        <translation>9. Gerät zurücksetzen</translation>
    </message>
    <message>
        <source>Tx Mode</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Power Enable</source>
        <translation>Versorgung ein</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden ein</translation>
    </message>
    <message>
        <source>Tx Disable</source>
        <translation>Senden aus</translation>
    </message>
    <message>
        <source>Mark Enable</source>
        <translation>Mark ein</translation>
    </message>
    <message>
        <source>Space Enable</source>
        <translation>Space ein</translation>
    </message>
</context>
<context>
    <name>CChangeMapDlg</name>
    <message>
        <source>Access code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>Check the access code</source>
        <translation>Zugangscode prüfen</translation>
    </message>
    <message>
        <source>&amp;Access code:</source>
        <translation>&amp;Zugangscode:</translation>
    </message>
    <message>
        <source>EEPROM address</source>
        <translation>EEPROM-Adresse</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Value (hex) of EEPROM address %1</source>
        <translation>Wert (hex) der EEPROM-Adresse %1</translation>
    </message>
    <message>
        <source>&amp;Value (hex):</source>
        <translation>&amp;Wert (hex):</translation>
    </message>
    <message>
        <source> CHANGE EEPROM MAP</source>
        <translation> EEPROM-BELEGUNG ÄNDERN</translation>
    </message>
    <message>
        <source> Do you want to change EEPROM map?</source>
        <translation> Möchten Sie die EEPROM-Belegung ändern?</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>EINGABE</translation>
    </message>
</context>
<context>
    <name>CChannelOptionDlg</name>
    <message>
        <source>No Option</source>
        <translation>Keine Option</translation>
    </message>
    <message>
        <source>RX CTCSS tone</source>
        <translation>RX-CTCSS-Ton</translation>
    </message>
    <message>
        <source>RX DCS code</source>
        <translation>RX-DCS-Code</translation>
    </message>
    <message>
        <source>Two Tone</source>
        <translation>Zweiton</translation>
    </message>
    <message>
        <source>Two-tone data</source>
        <translation>Zweiton-Daten</translation>
    </message>
    <message>
        <source>TX CTCSS tone</source>
        <translation>TX-CTCSS-Ton</translation>
    </message>
    <message>
        <source>TX DCS code</source>
        <translation>TX-DCS-Code</translation>
    </message>
    <message>
        <source>CHANNEL OPTION</source>
        <translation>KANALOPTION</translation>
    </message>
    <message>
        <source># CHANNEL</source>
        <translation># KANAL</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source> RX OPTION </source>
        <translation> RX-OPTION </translation>
    </message>
    <message>
        <source> TX OPTION </source>
        <translation> TX-OPTION </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CChannelPage</name>
    <message>
        <source>Channel Configuration</source>
        <translation>Kanalkonfiguration</translation>
    </message>
    <message>
        <source>Time out Timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Hang Timer</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>ms.</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Busy channel lockout</source>
        <translation>Sendesperre bei belegtem Kanal</translation>
    </message>
    <message>
        <source>Enables Tx matched SAT</source>
        <translation>Senden bei passendem Ton erlauben</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Sendeverzögerung</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Power save RX off time, ms</source>
        <translation>Stromsparen: RX-Auszeit, ms</translation>
    </message>
    <message>
        <source>Power save RX on time, ms</source>
        <translation>Stromsparen: RX-Einzeit, ms</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>RX-Auszeit</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>RX-Einzeit</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Rx Freq(MHz)</source>
        <translation>RX-Frequenz (MHz)</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>RxOption</source>
        <translation>RX-Option</translation>
    </message>
    <message>
        <source>RX option</source>
        <translation>RX-Option</translation>
    </message>
    <message>
        <source>Tx Freq(MHz)</source>
        <translation>TX-Frequenz (MHz)</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>TxOption</source>
        <translation>TX-Option</translation>
    </message>
    <message>
        <source>TX option</source>
        <translation>TX-Option</translation>
    </message>
    <message>
        <source>BW</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>TX-Leistung</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>scan member</source>
        <translation>Suchlauf-Kanal</translation>
    </message>
    <message>
        <source>Channel %1 %2</source>
        <translation>Kanal %1 %2</translation>
    </message>
    <message>
        <source>A frequency field takes one number; the clipboard holds &quot;%1&quot;. To paste channel rows, click a channel number first.</source>
        <translation>Ein Frequenzfeld nimmt nur eine Zahl auf; die Zwischenablage enthält „%1“. Um Kanalzeilen einzufügen, zuerst auf eine Kanalnummer klicken.</translation>
    </message>
    <message>
        <source>Time out Timer, seconds</source>
        <translation>Sendezeitbegrenzung, Sekunden</translation>
    </message>
    <message>
        <source>Hang Timer, ms</source>
        <translation>Haltezeit, ms</translation>
    </message>
    <message>
        <source>Power save Delay Time, seconds</source>
        <translation>Stromsparen: Verzögerung, Sekunden</translation>
    </message>
</context>
<context>
    <name>CChannelSelection</name>
    <message>
        <source>Channel %1, selected</source>
        <translation>Kanal %1, gewählt</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Click or press Space to select the row for the Edit menu; Shift and Ctrl extend the selection. Shift+Space in any control of a row comes here.</source>
        <translation>Klicken oder Leertaste drücken, um die Zeile für das Menü Bearbeiten zu wählen; Umschalt und Strg erweitern die Auswahl. Umschalt+Leertaste in einem beliebigen Feld der Zeile springt hierher.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Abweichende Felder</translation>
    </message>
    <message>
        <source>The configuration in the program and %1 are the same.</source>
        <translation>Die Konfiguration im Programm und %1 sind gleich.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) between the configuration in the program (left) and %1 (right):</source>
        <translation>
            <numerusform>%n Unterschied zwischen der Konfiguration im Programm (links) und %1 (rechts):</numerusform>
            <numerusform>%n Unterschiede zwischen der Konfiguration im Programm (links) und %1 (rechts):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDisplayMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Show the window in this language from the next start</source>
        <translation>Das Fenster ab dem nächsten Start in dieser Sprache zeigen</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>L&amp;ight</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>Draw the window in light or dark colours</source>
        <translation>Das Fenster in hellen oder dunklen Farben zeichnen</translation>
    </message>
    <message>
        <source>The window shows the language chosen when the program starts again.</source>
        <translation>Das Fenster zeigt die gewählte Sprache beim nächsten Programmstart.</translation>
    </message>
    <message>
        <source>The choice cannot be remembered: %1 cannot be written. It holds until the program ends.</source>
        <translation>Die Wahl kann nicht gespeichert werden: %1 lässt sich nicht schreiben. Sie gilt bis zum Programmende.</translation>
    </message>
    <message>
        <source>the settings folder</source>
        <translation>der Einstellungsordner</translation>
    </message>
</context>
<context>
    <name>CEditCommands</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>BAND</source>
        <translation>BAND</translation>
    </message>
    <message>
        <source>EEPROM Byte Edit</source>
        <translation>EEPROM-Byte bearbeiten</translation>
    </message>
    <message>
        <source>Read Radio</source>
        <translation>Funkgerät lesen</translation>
    </message>
    <message>
        <source>Radio Transfer</source>
        <translation>Übertragung zum Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>The row commands work on the Channel page (View &gt; Channel).</source>
        <translation>Die Zeilenbefehle wirken auf der Kanalseite (Ansicht &gt; Kanal).</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>%1 kopiert.</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>%1 eingefügt.</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Insert Channel %1</source>
        <translation>Kanal %1 einfügen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Channel 1 is the top row.</source>
        <translation>Kanal 1 ist die oberste Zeile.</translation>
    </message>
    <message>
        <source>Channel 16 is the bottom row.</source>
        <translation>Kanal 16 ist die unterste Zeile.</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>%1 nach unten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Select channels first: click a channel number (Shift or Ctrl to add more), or press Shift+Space in a row.</source>
        <translation>Zuerst Kanäle wählen: auf eine Kanalnummer klicken (mit Umschalt oder Strg weitere dazu) oder in einer Zeile Umschalt+Leertaste drücken.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>Cut %1.</source>
        <translation>%1 ausgeschnitten.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Pasted %1; nothing changed.</source>
        <translation>%1 eingefügt; es hat sich nichts geändert.</translation>
    </message>
    <message>
        <source>Without a header the columns were read as %1.</source>
        <translation>Ohne Kopfzeile wurden die Spalten als %1 gelesen.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>%1 gelöscht.</translation>
    </message>
    <message>
        <source>Nothing was inserted.</source>
        <translation>Es wurde kein Kanal eingefügt.</translation>
    </message>
    <message>
        <source>Inserted an empty Channel %1; the channels below moved down.</source>
        <translation>Leeren Kanal %1 eingefügt; die Kanäle darunter sind nach unten gerückt.</translation>
    </message>
    <message>
        <source>Removed %1; the channels below moved up.</source>
        <translation>%1 entfernt; die Kanäle darunter sind nach oben gerückt.</translation>
    </message>
    <message>
        <source>Moved %1 up.</source>
        <translation>%1 nach oben verschoben.</translation>
    </message>
    <message>
        <source>Moved %1 down.</source>
        <translation>%1 nach unten verschoben.</translation>
    </message>
    <message>
        <source>Nothing was edited.</source>
        <translation>Es wurde nichts bearbeitet.</translation>
    </message>
    <message>
        <source>Edited %1.</source>
        <translation>%1 bearbeitet.</translation>
    </message>
    <message>
        <source>Some channels kept a value:</source>
        <translation>Einige Kanäle haben einen Wert behalten:</translation>
    </message>
    <message>
        <source>Undo the last change to the settings</source>
        <translation>Die letzte Änderung an den Einstellungen rückgängig machen</translation>
    </message>
    <message>
        <source>Do again what was undone</source>
        <translation>Das Rückgängiggemachte wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selected channels and empty them</source>
        <translation>Die gewählten Kanäle kopieren und leeren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected channels, for a spreadsheet or another plan</source>
        <translation>Die gewählten Kanäle kopieren, für eine Tabellenkalkulation oder eine andere Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste channel rows into the selected channels, through the page&apos;s checks (in a text field: paste into the field)</source>
        <translation>Kanalzeilen in die gewählten Kanäle einfügen, mit den Prüfungen der Seite (in einem Textfeld: in das Feld einfügen)</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>Kanal &amp;leeren</translation>
    </message>
    <message>
        <source>Empty the selected channels</source>
        <translation>Die gewählten Kanäle leeren</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>Kanal ei&amp;nschieben</translation>
    </message>
    <message>
        <source>Insert an empty channel; the channels below move down</source>
        <translation>Einen leeren Kanal einschieben; die Kanäle darunter rücken nach unten</translation>
    </message>
    <message>
        <source>Re&amp;move Channel</source>
        <translation>Kanal ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the selected channels; the channels below move up</source>
        <translation>Die gewählten Kanäle entfernen; die Kanäle darunter rücken nach oben</translation>
    </message>
    <message>
        <source>M&amp;ove Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move the selected channels up one row</source>
        <translation>Die gewählten Kanäle eine Zeile nach oben schieben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move the selected channels down one row</source>
        <translation>Die gewählten Kanäle eine Zeile nach unten schieben</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Channels...</source>
        <translation>&amp;Gewählte Kanäle bearbeiten...</translation>
    </message>
    <message>
        <source>Set bandwidth, power, scan, step or signalling of every selected channel at once</source>
        <translation>Bandbreite, Leistung, Suchlauf, Kanalraster oder Signalisierung aller gewählten Kanäle auf einmal setzen</translation>
    </message>
</context>
<context>
    <name>CEepromMapModel</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>
Changed since the marks were last cleared.</source>
        <translation>
Geändert, seit die Markierungen zuletzt gelöscht wurden.</translation>
    </message>
    <message>
        <source>
Edited by hand: every write sends this value until Clear Changes.</source>
        <translation>
Von Hand geändert: jedes Schreiben sendet diesen Wert bis „Änderungen löschen“.</translation>
    </message>
    <message>
        <source>Byte %1 of the row</source>
        <translation>Byte %1 der Zeile</translation>
    </message>
    <message>
        <source>Addresses %1 to %2</source>
        <translation>Adressen %1 bis %2</translation>
    </message>
</context>
<context>
    <name>CEepromPage</name>
    <message>
        <source>EEPROM Read/Write</source>
        <translation>EEPROM lesen/schreiben</translation>
    </message>
    <message>
        <source>EEPROM map</source>
        <translation>EEPROM-Belegung</translation>
    </message>
    <message>
        <source>The radio&apos;s 416 EEPROM bytes in hexadecimal, 16 a row. Press Enter or double-click a byte to change it.</source>
        <translation>Die 416 EEPROM-Bytes des Funkgeräts hexadezimal, 16 je Zeile. Eingabe drücken oder doppelklicken, um ein Byte zu ändern.</translation>
    </message>
    <message>
        <source>Clear Changes</source>
        <translation>Änderungen löschen</translation>
    </message>
    <message>
        <source>Removes every mark from the map and drops the bytes changed by hand.</source>
        <translation>Entfernt alle Markierungen und verwirft die von Hand geänderten Bytes.</translation>
    </message>
    <message>
        <source>Show Settings</source>
        <translation>Kanalraster zeigen</translation>
    </message>
    <message>
        <source>Shows the synthesizer step of every channel.</source>
        <translation>Zeigt das Kanalraster (die Synthesizer-Schrittweite) jedes Kanals.</translation>
    </message>
    <message>
        <source>Cleared the change marks.</source>
        <translation>Änderungsmarkierungen gelöscht.</translation>
    </message>
    <message>
        <source>Cleared the change marks and 1 byte edit.</source>
        <translation>Änderungsmarkierungen und 1 Byte-Änderung gelöscht.</translation>
    </message>
    <message>
        <source>Cleared the change marks and %1 byte edits.</source>
        <translation>Änderungsmarkierungen und %1 Byte-Änderungen gelöscht.</translation>
    </message>
    <message>
        <source>Discard 1 byte edit that was not written?</source>
        <translation>1 nicht geschriebene Byte-Änderung verwerfen?</translation>
    </message>
    <message>
        <source>Discard %1 byte edits that were not written?</source>
        <translation>%1 nicht geschriebene Byte-Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>CEngineeringDlg</name>
    <message>
        <source>Step of channels 1 to 16, kHz</source>
        <translation>Kanalraster der Kanäle 1 bis 16, kHz</translation>
    </message>
    <message>
        <source>Show Engineering Settings</source>
        <translation>Technische Einstellungen</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Step(kHz)</source>
        <translation>Kanalraster (kHz)</translation>
    </message>
</context>
<context>
    <name>CFindCableDlg</name>
    <message>
        <source>Find the Cable</source>
        <translation>Kabel suchen</translation>
    </message>
    <message>
        <source>Unplug the programming cable, then plug it in.</source>
        <translation>Ziehen Sie das Programmierkabel ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>The port that appears is selected for reading and writing the radio.</source>
        <translation>Der Anschluss, der dann erscheint, wird zum Lesen und Schreiben gewählt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop waiting and keep the port chosen before</source>
        <translation>Nicht mehr warten, den bisherigen Anschluss behalten</translation>
    </message>
</context>
<context>
    <name>CFleetDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>&amp;Tick the ports of the radios to write the current configuration to:</source>
        <translation>&amp;Anschlüsse der Geräte ankreuzen, die die Konfiguration erhalten sollen:</translation>
    </message>
    <message>
        <source>Ports to program</source>
        <translation>Zu programmierende Anschlüsse</translation>
    </message>
    <message>
        <source>&amp;Read each radio back to verify the write</source>
        <translation>Jedes Gerät zur Prüfung &amp;zurücklesen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Progress of each radio</source>
        <translation>Fortschritt je Funkgerät</translation>
    </message>
    <message>
        <source>S&amp;ummary:</source>
        <translation>Zusammen&amp;fassung:</translation>
    </message>
    <message>
        <source>Summary of the radios written</source>
        <translation>Zusammenfassung der geschriebenen Geräte</translation>
    </message>
    <message>
        <source>&amp;Write to Ticked Radios</source>
        <translation>Angekreuzte Geräte &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Program the radio on %1</source>
        <translation>Funkgerät an %1 programmieren</translation>
    </message>
    <message>
        <source>Progress of the radio on %1</source>
        <translation>Fortschritt des Geräts an %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>the writing of several radios</source>
        <translation>das Schreiben mehrerer Geräte</translation>
    </message>
    <message>
        <source>ok: firmware %1, %2 s, %3</source>
        <translation>ok: Firmware %1, %2 s, %3</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>FEHLER: %1</translation>
    </message>
    <message>
        <source>The transfer log could not be written: %1</source>
        <translation>Das Übertragungsprotokoll konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1: the radio&apos;s own value changed: %2</source>
        <translation>%1: geräteeigener Wert geändert: %2</translation>
    </message>
    <message>
        <source>Keep a &amp;backup file of each radio before the write</source>
        <translation>Sicherungs&amp;datei jedes Funkgeräts vor dem Schreiben anlegen</translation>
    </message>
</context>
<context>
    <name>CMainForm</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Export as Text</source>
        <translation>Als Text exportieren</translation>
    </message>
    <message>
        <source>Text configuration (*.yaml *.yml)</source>
        <translation>Text-Konfiguration (*.yaml *.yml)</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Configurations (*.dat *.DAT *.yaml *.yml *.bin);;All files (*)</source>
        <translation>Konfigurationen (*.dat *.DAT *.yaml *.yml *.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Serial Trace</source>
        <translation>Seriellen Mitschnitt speichern</translation>
    </message>
    <message>
        <source>Serial traces (*.txt *.trace)</source>
        <translation>Serielle Mitschnitte (*.txt *.trace)</translation>
    </message>
    <message>
        <source>Enable two-tone</source>
        <translation>Zweiton freischalten</translation>
    </message>
    <message>
        <source>Import KV110 File</source>
        <translation>KV110-Datei importieren</translation>
    </message>
    <message>
        <source>Model Select</source>
        <translation>Modellwahl</translation>
    </message>
    <message>
        <source>Two-tone signalling is locked.</source>
        <translation>Zweiton-Signalisierung ist gesperrt.</translation>
    </message>
    <message>
        <source>Two-tone signalling is unlocked.</source>
        <translation>Zweiton-Signalisierung ist freigeschaltet.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>Serial trace saved in %1</source>
        <translation>Serieller Mitschnitt gespeichert in %1</translation>
    </message>
    <message>
        <source># MODEL :</source>
        <translation># MODELL :</translation>
    </message>
    <message>
        <source># BAND :</source>
        <translation># BAND :</translation>
    </message>
    <message>
        <source># VERSION :</source>
        <translation># VERSION :</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>CHIRP channel lists (*.csv *.CSV);;All files (*)</source>
        <translation>CHIRP-Kanallisten (*.csv *.CSV);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Channels from CHIRP CSV</source>
        <translation>Kanäle aus CHIRP-CSV importieren</translation>
    </message>
    <message>
        <source>Export Channels as CHIRP CSV</source>
        <translation>Kanäle als CHIRP-CSV exportieren</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Imported the channels of %1.</source>
        <translation>Die Kanäle aus %1 wurden importiert.</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Kanäle exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>CMainWindow</name>
    <message>
        <source>The serial port the radio is read and written on (Port menu)</source>
        <translation>Der serielle Anschluss zum Lesen und Schreiben des Funkgeräts (Menü Anschluss)</translation>
    </message>
    <message>
        <source>Use COM%1 for the radio</source>
        <translation>COM%1 für das Funkgerät verwenden</translation>
    </message>
    <message>
        <source> No port selected </source>
        <translation> Kein Anschluss gewählt </translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1: %2</source>
        <translation>Die Anschlusswahl konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The programming cable is COM%1 (%2, %3); it is selected.</source>
        <translation>Das Programmierkabel ist COM%1 (%2, %3); es ist gewählt.</translation>
    </message>
    <message>
        <source>The programming cable (serial %1) is now COM%2 (%3), not COM%4: using COM%2.</source>
        <translation>Das Programmierkabel (Seriennummer %1) ist jetzt COM%2 (%3), nicht COM%4: COM%2 wird verwendet.</translation>
    </message>
    <message>
        <source>Save a Problem Report</source>
        <translation>Fehlerbericht speichern</translation>
    </message>
    <message>
        <source>Problem reports (*.tar.gz)</source>
        <translation>Fehlerberichte (*.tar.gz)</translation>
    </message>
    <message>
        <source>Problem report saved in %1</source>
        <translation>Fehlerbericht gespeichert in %1</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>Create a new document
Create a new Document</source>
        <translation>Eine neue Konfiguration anlegen
Neu</translation>
    </message>
    <message>
        <source>&amp;Load... 	Ctrl+O</source>
        <translation>&amp;Laden... 	Strg+O</translation>
    </message>
    <message>
        <source>Open an existing document
Load from file</source>
        <translation>Eine vorhandene Konfiguration öffnen
Aus Datei laden</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save the active document
Save to file</source>
        <translation>Die Konfiguration speichern
In Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Export as Text...</source>
        <translation>Als &amp;Text exportieren...</translation>
    </message>
    <message>
        <source>Save the configuration as YAML text
Export as Text</source>
        <translation>Die Konfiguration als YAML-Text speichern
Als Text exportieren</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>List the fields that differ from a .dat, .yaml or .bin file
Compare with File</source>
        <translation>Die Felder auflisten, die von einer .dat-, .yaml- oder .bin-Datei abweichen
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Die Konfiguration drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druckv&amp;orschau</translation>
    </message>
    <message>
        <source>Show the data sheet as it will be printed
Print Preview</source>
        <translation>Das Datenblatt zeigen, wie es gedruckt wird
Druckvorschau</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Das Programm beenden
Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Model Select	Ctrl + M</source>
        <translation>&amp;Modellwahl	Strg + M</translation>
    </message>
    <message>
        <source>Choose the radio model
Model Select</source>
        <translation>Das Funkgerätemodell wählen
Modellwahl</translation>
    </message>
    <message>
        <source>&amp;Squelch	</source>
        <translation>&amp;Rauschsperre	</translation>
    </message>
    <message>
        <source>SETTING SQUELCH
Setting Squelch</source>
        <translation>RAUSCHSPERRE EINSTELLEN
Rauschsperre einstellen</translation>
    </message>
    <message>
        <source>&amp;Calibration	</source>
        <translation>&amp;Abgleich	</translation>
    </message>
    <message>
        <source>Calibration
Calibration</source>
        <translation>Abgleich
Abgleich</translation>
    </message>
    <message>
        <source>Program Several &amp;Radios...</source>
        <translation>Mehrere Funk&amp;geräte programmieren...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once
Program Several Radios</source>
        <translation>Diese Konfiguration in mehrere Funkgeräte zugleich schreiben
Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Read the radio back after a write and compare
Verify</source>
        <translation>Das Funkgerät nach dem Schreiben zurücklesen und vergleichen
Prüfen</translation>
    </message>
    <message>
        <source>Save Serial &amp;Trace...</source>
        <translation>Seriellen Mi&amp;tschnitt speichern...</translation>
    </message>
    <message>
        <source>Save every byte of the last transfer or service dialog
Serial Trace</source>
        <translation>Jedes Byte der letzten Übertragung oder des letzten Servicedialogs speichern
Serieller Mitschnitt</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste zeigen oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste zeigen oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Channel	</source>
        <translation>&amp;Kanal	</translation>
    </message>
    <message>
        <source>CHANNEL DATA
Channel Configuration</source>
        <translation>KANALDATEN
Kanalkonfiguration</translation>
    </message>
    <message>
        <source>M&amp;odem	</source>
        <translation>M&amp;odem	</translation>
    </message>
    <message>
        <source>MODEM OPTION
Modem Option</source>
        <translation>MODEMOPTIONEN
Modemoptionen</translation>
    </message>
    <message>
        <source>&amp;EEPROM W/R	</source>
        <translation>&amp;EEPROM L/S	</translation>
    </message>
    <message>
        <source>Select Write / Read
COMUNICATION</source>
        <translation>Schreiben / Lesen wählen
KOMMUNIKATION</translation>
    </message>
    <message>
        <source>S&amp;ystem / GPS	</source>
        <translation>S&amp;ystem / GPS	</translation>
    </message>
    <message>
        <source>SYSTEM OPTION / GPS
System option / GPS</source>
        <translation>SYSTEMOPTIONEN / GPS
Systemoptionen / GPS</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>Read/Write
EEPROM Read/Write</source>
        <translation>Lesen/Schreiben
EEPROM lesen/schreiben</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;About KV310 ...</source>
        <translation>&amp;Über KV310 ...</translation>
    </message>
    <message>
        <source>Display program information
About</source>
        <translation>Programminformationen anzeigen
Über</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Rea&amp;d Radio</source>
        <translation>Funkgerät &amp;lesen</translation>
    </message>
    <message>
        <source>Read the radio&apos;s settings
Read Radio</source>
        <translation>Die Einstellungen des Funkgeräts lesen
Funkgerät lesen</translation>
    </message>
    <message>
        <source>&amp;Write Radio</source>
        <translation>Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>Write these settings to the radio
Write Radio</source>
        <translation>Diese Einstellungen in das Funkgerät schreiben
Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Find the Cable...</source>
        <translation>&amp;Kabel suchen...</translation>
    </message>
    <message>
        <source>Unplug and plug in the programming cable to find its port
Find the Cable</source>
        <translation>Das Programmierkabel ab- und wieder anstecken, um seinen Anschluss zu finden
Kabel suchen</translation>
    </message>
    <message>
        <source>Transfer &amp;History...</source>
        <translation>Übertragungs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Every radio read and written, from the transfer log
Transfer History</source>
        <translation>Jedes gelesene und geschriebene Funkgerät, aus dem Übertragungsprotokoll
Übertragungsverlauf</translation>
    </message>
    <message>
        <source>Save a &amp;Problem Report...</source>
        <translation>&amp;Fehlerbericht speichern...</translation>
    </message>
    <message>
        <source>Save the version, ports, failed traces and transfer log in one file to send
Problem Report</source>
        <translation>Version, Anschlüsse, Mitschnitte fehlgeschlagener Übertragungen und Protokoll in einer Datei zum Versenden speichern
Fehlerbericht</translation>
    </message>
    <message>
        <source>The problem report could not be saved in %1: %2.</source>
        <translation>Der Fehlerbericht konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Strg+Umschalt+S</translation>
    </message>
    <message>
        <source>Save under another name
Save As</source>
        <translation>Unter einem anderen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Rest&amp;ore Radio from Backup...</source>
        <translation>Funkgerät aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Put a kept backup back on the radio as it stands
Restore Radio</source>
        <translation>Eine aufbewahrte Sicherung unverändert in das Funkgerät zurückschreiben
Funkgerät wiederherstellen</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>A&amp;nschluss</translation>
    </message>
    <message>
        <source>Keep &amp;Backup File Before Write</source>
        <translation>Sicherungs&amp;datei vor dem Schreiben anlegen</translation>
    </message>
    <message>
        <source>Keep a file of what the radio holds before writing over it (the radio is read first either way, and keeps its own bytes)
Backup File</source>
        <translation>Eine Datei mit dem Inhalt des Funkgeräts anlegen, bevor es überschrieben wird (das Funkgerät wird in jedem Fall zuerst gelesen und behält seine eigenen Bytes)
Sicherungsdatei</translation>
    </message>
    <message>
        <source>Write Whole &amp;Image to Radio...</source>
        <translation>Ganzes Abb&amp;ild ins Funkgerät schreiben...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s whole image, resetting the radio&apos;s calibration and own bytes (asks first)
Write Whole Image</source>
        <translation>Das ganze Abbild des Plans schreiben; Abgleich und eigene Bytes des Funkgeräts werden zurückgesetzt (fragt vorher)
Ganzes Abbild schreiben</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CHIRP CSV...</source>
        <translation>Kanäle aus CHIRP-CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Put a CHIRP channel list (a repeater list, another radio&apos;s plan) into the channels
Import Channels from CHIRP CSV</source>
        <translation>Eine CHIRP-Kanalliste (Relaisliste, Plan eines anderen Geräts) in die Kanäle übernehmen
Kanäle aus CHIRP-CSV importieren</translation>
    </message>
    <message>
        <source>Export Channels as &amp;CHIRP CSV...</source>
        <translation>Kanäle als &amp;CHIRP-CSV exportieren...</translation>
    </message>
    <message>
        <source>Save the programmed channels as a CHIRP channel list
Export Channels as CHIRP CSV</source>
        <translation>Die programmierten Kanäle als CHIRP-Kanalliste speichern
Kanäle als CHIRP-CSV exportieren</translation>
    </message>
</context>
<context>
    <name>CModelSelectDlg</name>
    <message>
        <source>SELECT MODEL</source>
        <translation>MODELL WÄHLEN</translation>
    </message>
</context>
<context>
    <name>CModemPage</name>
    <message>
        <source> MODEM </source>
        <translation> MODEM </translation>
    </message>
    <message>
        <source>AFSK variant V.23</source>
        <translation>AFSK-Variante V.23</translation>
    </message>
    <message>
        <source>AFSK variant Bell 202</source>
        <translation>AFSK-Variante Bell 202</translation>
    </message>
    <message>
        <source>Switches the modem on or off</source>
        <translation>Schaltet das Modem ein oder aus</translation>
    </message>
    <message>
        <source># MODEM BAUD RATE</source>
        <translation># MODEM-BAUDRATE</translation>
    </message>
    <message>
        <source>Dumb Mode</source>
        <translation>Transparenter Modus</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>Auto-Modus</translation>
    </message>
    <message>
        <source>Modem dumb mode</source>
        <translation>Modem im transparenten Modus</translation>
    </message>
    <message>
        <source>Modem auto mode</source>
        <translation>Modem im Auto-Modus</translation>
    </message>
    <message>
        <source>Use a base block size</source>
        <translation>Basis-Blockgröße verwenden</translation>
    </message>
    <message>
        <source>D
E
F
A
U
L
T</source>
        <translation>S
T
A
N
D
A
R
D</translation>
    </message>
    <message>
        <source>Restore the default modem options</source>
        <translation>Die Standard-Modemoptionen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>COptionButton</name>
    <message>
        <source>no frequency yet</source>
        <translation>noch keine Frequenz</translation>
    </message>
</context>
<context>
    <name>COptionPage</name>
    <message>
        <source>Modem Enable</source>
        <translation>Modem ein</translation>
    </message>
    <message>
        <source>Modem Disable</source>
        <translation>Modem aus</translation>
    </message>
    <message>
        <source> GMSK</source>
        <translation> GMSK</translation>
    </message>
    <message>
        <source>GMSK modem</source>
        <translation>GMSK-Modem</translation>
    </message>
    <message>
        <source> FFSK</source>
        <translation> FFSK</translation>
    </message>
    <message>
        <source>FFSK modem</source>
        <translation>FFSK-Modem</translation>
    </message>
    <message>
        <source> AFSK</source>
        <translation> AFSK</translation>
    </message>
    <message>
        <source>AFSK modem</source>
        <translation>AFSK-Modem</translation>
    </message>
    <message>
        <source>1. Base Block Size  1 ( byte )</source>
        <translation>1. Basis-Blockgröße  1 ( Byte )</translation>
    </message>
    <message>
        <source>Base block size in bytes</source>
        <translation>Basis-Blockgröße in Bytes</translation>
    </message>
    <message>
        <source>2. Preamble Data Size ( bit )</source>
        <translation>2. Präambellänge ( Bit )</translation>
    </message>
    <message>
        <source>Preamble data size in bits</source>
        <translation>Präambellänge in Bits</translation>
    </message>
    <message>
        <source>3. Wait For Busy Time ( ms )</source>
        <translation>3. Wartezeit bei Belegt ( ms )</translation>
    </message>
    <message>
        <source>Wait for busy time in milliseconds</source>
        <translation>Wartezeit bei belegtem Kanal in Millisekunden</translation>
    </message>
    <message>
        <source>4. Flow Control</source>
        <translation>4. Flusssteuerung</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>5. Tx Delay Time 1 (ms) </source>
        <translation>5. TX-Verzögerung 1 (ms) </translation>
    </message>
    <message>
        <source>Transmit delay time 1 in milliseconds</source>
        <translation>Sendeverzögerung 1 in Millisekunden</translation>
    </message>
    <message>
        <source>6. Tx Delay Time 2 (ms, Tone Only) </source>
        <translation>6. TX-Verzögerung 2 (ms, nur Ton) </translation>
    </message>
    <message>
        <source>Transmit delay time 2 in milliseconds, tone only</source>
        <translation>Sendeverzögerung 2 in Millisekunden, nur Ton</translation>
    </message>
    <message>
        <source>7. Number of Allowable Errors for Start Bit</source>
        <translation>7. Zulässige Fehler für das Startbit</translation>
    </message>
    <message>
        <source>Number of allowable errors for the start bit</source>
        <translation>Zahl der zulässigen Fehler für das Startbit</translation>
    </message>
    <message>
        <source>Enables Tx Forcing Mode</source>
        <translation>TX-Zwangsbetrieb ein</translation>
    </message>
    <message>
        <source>Enables transmit forcing mode</source>
        <translation>Schaltet den Sende-Zwangsbetrieb ein</translation>
    </message>
    <message>
        <source>Enables Initializing Data For HT</source>
        <translation>Initialisierungsdaten für Handgerät ein</translation>
    </message>
    <message>
        <source>Enables initializing data for the handheld</source>
        <translation>Schaltet die Initialisierungsdaten für das Handfunkgerät ein</translation>
    </message>
    <message>
        <source>1. Tx OFF Delay  ( 0 - 16ms, step 2ms )</source>
        <translation>1. TX-Aus-Verzögerung  ( 0 - 16 ms, Schritt 2 ms )</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit off delay in milliseconds</source>
        <translation>Sende-Aus-Verzögerung in Millisekunden</translation>
    </message>
    <message>
        <source>2. Tx On Delay  ( 0 - 254ms, step 2ms )</source>
        <translation>2. TX-Ein-Verzögerung  ( 0 - 254 ms, Schritt 2 ms )</translation>
    </message>
    <message>
        <source>Transmit on delay in milliseconds</source>
        <translation>Sende-Ein-Verzögerung in Millisekunden</translation>
    </message>
    <message>
        <source>3. Rx On Delay  ( 0 - 126ms, step 2ms )</source>
        <translation>3. RX-Ein-Verzögerung  ( 0 - 126 ms, Schritt 2 ms )</translation>
    </message>
    <message>
        <source>Receive on delay in milliseconds</source>
        <translation>Empfangs-Ein-Verzögerung in Millisekunden</translation>
    </message>
    <message>
        <source> MODEM SELECT </source>
        <translation> MODEMWAHL </translation>
    </message>
    <message>
        <source> SYSTEM OPTION 1 </source>
        <translation> SYSTEMOPTION 1 </translation>
    </message>
    <message>
        <source> SYSTEM OPTION 2 </source>
        <translation> SYSTEMOPTION 2 </translation>
    </message>
    <message>
        <source> SYSTEM OPTION 3 </source>
        <translation> SYSTEMOPTION 3 </translation>
    </message>
    <message>
        <source>S - BAND</source>
        <translation>S - BAND</translation>
    </message>
    <message>
        <source>S-band baud rate in bits per second</source>
        <translation>Baudrate S-Band in Bit pro Sekunde</translation>
    </message>
    <message>
        <source>N - BAND</source>
        <translation>N - BAND</translation>
    </message>
    <message>
        <source>N-band baud rate in bits per second</source>
        <translation>Baudrate N-Band in Bit pro Sekunde</translation>
    </message>
    <message>
        <source> RX OPTION </source>
        <translation> RX-OPTION </translation>
    </message>
    <message>
        <source> TX OPTION </source>
        <translation> TX-OPTION </translation>
    </message>
    <message>
        <source> SCAN OPTION </source>
        <translation> SUCHLAUF-OPTION </translation>
    </message>
    <message>
        <source> GPS OPTION </source>
        <translation> GPS-OPTION </translation>
    </message>
    <message>
        <source> Enables Squelch</source>
        <translation> Rauschsperre ein</translation>
    </message>
    <message>
        <source>Enables squelch</source>
        <translation>Schaltet die Rauschsperre ein</translation>
    </message>
    <message>
        <source>Beep ON When Hang ON Time</source>
        <translation>Piepton während der Haltezeit</translation>
    </message>
    <message>
        <source>Beep when the hang-on time runs</source>
        <translation>Piepton, solange die Haltezeit läuft</translation>
    </message>
    <message>
        <source>Tx Tone Generation For Data Input</source>
        <translation>TX-Tonerzeugung für Dateneingang</translation>
    </message>
    <message>
        <source>Transmit tone generation for data input</source>
        <translation>Sendetonerzeugung für den Dateneingang</translation>
    </message>
    <message>
        <source>Enables External Modulation</source>
        <translation>Externe Modulation ein</translation>
    </message>
    <message>
        <source>Enables external modulation</source>
        <translation>Schaltet die externe Modulation ein</translation>
    </message>
    <message>
        <source>  Enables GPS</source>
        <translation>  GPS ein</translation>
    </message>
    <message>
        <source>Enables GPS reporting</source>
        <translation>Schaltet die GPS-Meldung ein</translation>
    </message>
    <message>
        <source># Scan Delay Time</source>
        <translation># Suchlauf-Verzögerung</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>( 1 - 15 sec, 1 sec step )</source>
        <translation>( 1 - 15 s, Schritt 1 s )</translation>
    </message>
    <message>
        <source>Scan delay time in seconds</source>
        <translation>Suchlauf-Verzögerung in Sekunden</translation>
    </message>
    <message>
        <source># Transmission Cycle</source>
        <translation># Sendezyklus</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>( 1 - 24 Hour , 1 Hour step )</source>
        <translation>( 1 - 24 Std., Schritt 1 Std. )</translation>
    </message>
    <message>
        <source>GPS transmission cycle in hours</source>
        <translation>GPS-Sendezyklus in Stunden</translation>
    </message>
    <message>
        <source># Scan Speed Time</source>
        <translation># Suchlauf-Tempo</translation>
    </message>
    <message>
        <source>( 50 - 2000ms, 10ms step )</source>
        <translation>( 50 - 2000 ms, Schritt 10 ms )</translation>
    </message>
    <message>
        <source>Scan speed time in milliseconds</source>
        <translation>Suchlauf-Tempo in Millisekunden</translation>
    </message>
    <message>
        <source># Data Transmission Time</source>
        <translation># Daten-Sendezeit</translation>
    </message>
    <message>
        <source>( 1 - 10 second, 1 second step )</source>
        <translation>( 1 - 10 s, Schritt 1 s )</translation>
    </message>
    <message>
        <source>GPS data transmission time in seconds</source>
        <translation>GPS-Daten-Sendezeit in Sekunden</translation>
    </message>
    <message>
        <source># Data Delay Time</source>
        <translation># Daten-Verzögerung</translation>
    </message>
    <message>
        <source>( 50 - 300 second, 10 second step )</source>
        <translation>( 50 - 300 s, Schritt 10 s )</translation>
    </message>
    <message>
        <source>GPS data delay time in seconds</source>
        <translation>GPS-Daten-Verzögerung in Sekunden</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Transfer status</source>
        <translation>Übertragungsstatus</translation>
    </message>
    <message>
        <source>What happened and what to try</source>
        <translation>Was geschah und was zu tun ist</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragungsfortschritt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the transfer before the next block</source>
        <translation>Hält die Übertragung vor dem nächsten Block an</translation>
    </message>
    <message>
        <source>Read/Write</source>
        <translation>Lesen/Schreiben</translation>
    </message>
    <message>
        <source>Serial trace</source>
        <translation>Serieller Mitschnitt</translation>
    </message>
    <message>
        <source>Activate the link to open the folder the trace is kept in</source>
        <translation>Den Link aktivieren, um den Ordner mit dem Mitschnitt zu öffnen</translation>
    </message>
    <message>
        <source>The serial trace of this transfer is kept in %1</source>
        <translation>Der serielle Mitschnitt dieser Übertragung liegt in %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Stop the write now? The radio will hold a partly written configuration until it is written again.</source>
        <translation>Das Schreiben jetzt abbrechen? Das Funkgerät enthält dann eine teilweise geschriebene Konfiguration, bis es erneut geschrieben wird.</translation>
    </message>
    <message>
        <source>&amp;Stop the Write</source>
        <translation>Schreiben &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Continue Writing</source>
        <translation>&amp;Weiterschreiben</translation>
    </message>
</context>
<context>
    <name>CRadioTransfer</name>
    <message>
        <source>the radio write</source>
        <translation>das Schreiben des Funkgeräts</translation>
    </message>
    <message>
        <source>the radio read</source>
        <translation>das Lesen des Funkgeräts</translation>
    </message>
    <message>
        <source>Writing the radio on COM%1...</source>
        <translation>Funkgerät an COM%1 wird geschrieben...</translation>
    </message>
    <message>
        <source>Reading the radio on COM%1...</source>
        <translation>Funkgerät an COM%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancelling after the current block...</source>
        <translation>Abbruch nach dem laufenden Block...</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1</source>
        <translation>Der Inhalt des Funkgeräts vor dem Schreiben liegt in %1</translation>
    </message>
    <message>
        <source>The radio&apos;s image is kept in %1</source>
        <translation>Das Abbild des Funkgeräts liegt in %1</translation>
    </message>
    <message>
        <source>The transfer log could not be written: %1</source>
        <translation>Das Übertragungsprotokoll konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>This configuration would not reach the radio as it stands:</source>
        <translation>Diese Konfiguration käme so nicht im Funkgerät an:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Write it to the radio anyway?</source>
        <translation>Trotzdem in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>The radio&apos;s image could not be kept as a backup: %1</source>
        <translation>Das Abbild des Funkgeräts konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>Select Write / Read button</source>
        <translation>Schaltfläche Schreiben / Lesen wählen</translation>
    </message>
    <message>
        <source>the radio restore</source>
        <translation>das Wiederherstellen des Funkgeräts</translation>
    </message>
    <message>
        <source>The radio&apos;s own value changes: %1</source>
        <translation>Ein geräteeigener Wert ändert sich: %1</translation>
    </message>
    <message>
        <source>The radio&apos;s own value changed: </source>
        <translation>Geräteeigener Wert geändert: </translation>
    </message>
    <message>
        <source>; the radio&apos;s image is kept in %1</source>
        <translation>; das Abbild des Funkgeräts liegt in %1</translation>
    </message>
    <message>
        <source>Read: %1 on %2, %3 s</source>
        <translation>Gelesen: %1 an %2, %3 s</translation>
    </message>
    <message>
        <source>Written and verified: %1 on %2, %3 s</source>
        <translation>Geschrieben und geprüft: %1 an %2, %3 s</translation>
    </message>
    <message>
        <source>Written (not read back): %1 on %2, %3 s</source>
        <translation>Geschrieben (nicht zurückgelesen): %1 an %2, %3 s</translation>
    </message>
    <message>
        <source>the port</source>
        <translation>dem Anschluss</translation>
    </message>
    <message>
        <source>Write Radio keeps them; use this only to give a radio a known state. Write the whole image?</source>
        <translation>„Funkgerät schreiben“ behält sie; dies nur verwenden, um ein Funkgerät in einen bekannten Zustand zu bringen. Das ganze Abbild schreiben?</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>Es wurde nichts geschrieben: %1.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio&apos;s image could not be kept as a backup in %1 (%2).</source>
        <translation>Es wurde nichts geschrieben: Das Abbild des Funkgeräts konnte nicht als Sicherung in %1 abgelegt werden (%2).</translation>
    </message>
    <message>
        <source>The radio could not be read first, so nothing was written.</source>
        <translation>Das Funkgerät konnte nicht zuerst gelesen werden, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Save the Radio&apos;s Backup As</source>
        <translation>Sicherung des Funkgeräts speichern unter</translation>
    </message>
    <message>
        <source>EEPROM images (*.bin)</source>
        <translation>EEPROM-Abbilder (*.bin)</translation>
    </message>
    <message>
        <source>The backup could not be saved as %1: %2</source>
        <translation>Die Sicherung konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Write the plan over it anyway? Only the plan&apos;s settings change; the radio keeps its calibration and its own bytes, and what it held is in its backup.</source>
        <translation>Den Plan trotzdem darüber schreiben? Nur die Einstellungen des Plans ändern sich; das Funkgerät behält seinen Abgleich und seine eigenen Bytes, und sein bisheriger Inhalt liegt in der Sicherung.</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>Trotzdem schreiben</translation>
    </message>
    <message>
        <source>Save the backup somewhere else, or write without a backup file? The radio keeps its own bytes either way.</source>
        <translation>Die Sicherung woanders speichern oder ohne Sicherungsdatei schreiben? Das Funkgerät behält in beiden Fällen seine eigenen Bytes.</translation>
    </message>
    <message>
        <source>Save Backup As...</source>
        <translation>Sicherung speichern unter...</translation>
    </message>
    <message>
        <source>Write Without a Backup File</source>
        <translation>Ohne Sicherungsdatei schreiben</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore Radio from Backup</source>
        <translation>Funkgerät aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups kept, newest first:</source>
        <translation>Aufbewahrte &amp;Sicherungen, neueste zuerst:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Adapter serial</source>
        <translation>Adapter-Seriennr.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Backups of radios kept by this program</source>
        <translation>Von diesem Programm aufbewahrte Sicherungen der Funkgeräte</translation>
    </message>
    <message>
        <source>&amp;What the backup would change in the radio:</source>
        <translation>Was die Sicherung im &amp;Funkgerät ändern würde:</translation>
    </message>
    <message>
        <source>Fields that differ between the radio and the backup</source>
        <translation>Felder, in denen sich Funkgerät und Sicherung unterscheiden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>Mit Funkgerät &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>Im Funkgerät &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>No backup has been kept yet: every read of a radio keeps one.</source>
        <translation>Es wurde noch keine Sicherung aufbewahrt: jedes Lesen eines Funkgeräts legt eine an.</translation>
    </message>
    <message>
        <source>Choose a backup, then compare it with the radio.</source>
        <translation>Eine Sicherung wählen, dann mit dem Funkgerät vergleichen.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Funkgerät wird gelesen...</translation>
    </message>
    <message>
        <source>The radio could not be read: nothing was compared or written.</source>
        <translation>Das Funkgerät konnte nicht gelesen werden: es wurde nichts verglichen oder geschrieben.</translation>
    </message>
    <message>
        <source>Model: %1.</source>
        <translation>Modell: %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>The radio already holds this backup.</source>
        <translation>Das Funkgerät enthält diese Sicherung bereits.</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ; %1 of the %2 bytes would change.</source>
        <translation>
            <numerusform>%n Feld weicht ab; %1 der %2 Bytes würden sich ändern.</numerusform>
            <numerusform>%n Felder weichen ab; %1 der %2 Bytes würden sich ändern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>The restore failed: %1</source>
        <translation>Die Wiederherstellung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Restored: the radio holds the backup&apos;s %1 bytes.</source>
        <translation>Wiederhergestellt: das Funkgerät enthält die %1 Bytes der Sicherung.</translation>
    </message>
    <message>
        <source>Put the backup %1 back on the radio on COM%2?</source>
        <translation>Die Sicherung %1 in das Funkgerät an COM%2 zurückschreiben?</translation>
    </message>
    <message>
        <source>The backup is of another model: %1.</source>
        <translation>Die Sicherung stammt von einem anderen Modell: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) change; every byte of the radio becomes the backup&apos;s.</source>
        <translation>
            <numerusform>%n Feld ändert sich; jedes Byte des Funkgeräts wird zum Byte der Sicherung.</numerusform>
            <numerusform>%n Felder ändern sich; jedes Byte des Funkgeräts wird zum Byte der Sicherung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Older than (&amp;days):</source>
        <translation>Älter als (&amp;Tage):</translation>
    </message>
    <message>
        <source>Backups last read more than this many days ago</source>
        <translation>Sicherungen, die vor mehr als so vielen Tagen zuletzt gelesen wurden</translation>
    </message>
    <message>
        <source>Remove &amp;Older Backups</source>
        <translation>Ält&amp;ere Sicherungen entfernen</translation>
    </message>
    <message>
        <source>Removes the backups last read more than the days given ago</source>
        <translation>Entfernt die Sicherungen, die vor mehr als den angegebenen Tagen zuletzt gelesen wurden</translation>
    </message>
    <message numerus="yes">
        <source>Remove every backup last read more than %n day(s) ago? A radio whose only backup it is has no other.</source>
        <translation>
            <numerusform>Jede Sicherung entfernen, die vor mehr als %n Tag zuletzt gelesen wurde? Ein Funkgerät, dessen einzige Sicherung sie ist, hat keine andere.</numerusform>
            <numerusform>Jede Sicherung entfernen, die vor mehr als %n Tagen zuletzt gelesen wurde? Ein Funkgerät, dessen einzige Sicherung sie ist, hat keine andere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n backup(s) removed.</source>
        <translation>
            <numerusform>%n Sicherung entfernt.</numerusform>
            <numerusform>%n Sicherungen entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be removed.</source>
        <translation>
            <numerusform>%n konnte nicht entfernt werden.</numerusform>
            <numerusform>%n konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio&apos;s own calibration changes:</source>
        <translation>Der eigene Abgleich des Funkgeräts ändert sich:</translation>
    </message>
    <message>
        <source>Kept by</source>
        <translation>Angelegt von</translation>
    </message>
    <message>
        <source>First channels (RX MHz)</source>
        <translation>Erste Kanäle (RX MHz)</translation>
    </message>
</context>
<context>
    <name>CScanWarningDlg</name>
    <message>
        <source> WARNING</source>
        <translation> WARNUNG</translation>
    </message>
    <message>
        <source>The state of this program is currently</source>
        <translation>Der Zustand dieses Programms ist derzeit</translation>
    </message>
    <message>
        <source>Current state</source>
        <translation>Aktueller Zustand</translation>
    </message>
    <message>
        <source>If click on YES button, </source>
        <translation>Ein Klick auf JA bewirkt: </translation>
    </message>
    <message>
        <source>What YES does</source>
        <translation>Was JA bewirkt</translation>
    </message>
    <message>
        <source>Do you want to change this state ?</source>
        <translation>Möchten Sie diesen Zustand ändern?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>CServiceDlg</name>
    <message>
        <source>Radio connection status</source>
        <translation>Verbindungsstatus zum Funkgerät</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>Close the dialog and the port</source>
        <translation>Dialog und Anschluss schließen</translation>
    </message>
    <message>
        <source>Connecting to the radio on COM%1...</source>
        <translation>Verbindung zum Funkgerät an COM%1...</translation>
    </message>
    <message>
        <source>Connected to the radio on COM%1 (firmware %2).</source>
        <translation>Mit dem Funkgerät an COM%1 verbunden (Firmware %2).</translation>
    </message>
    <message>
        <source>The radio sent no status. Check that it is connected and switched on; commands are sent all the same.</source>
        <translation>Das Funkgerät meldet keinen Status. Prüfen Sie, ob es angeschlossen und eingeschaltet ist; Befehle werden trotzdem gesendet.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Warten auf das Funkgerät...</translation>
    </message>
    <message>
        <source>Closing the port...</source>
        <translation>Anschluss wird geschlossen...</translation>
    </message>
</context>
<context>
    <name>CSquelchDlg</name>
    <message>
        <source>Radio channel</source>
        <translation>Funkkanal</translation>
    </message>
    <message>
        <source>Set the radio channel</source>
        <translation>Funkkanal einstellen</translation>
    </message>
    <message>
        <source>Custom squelch levels</source>
        <translation>Eigene Rauschsperren-Pegel</translation>
    </message>
    <message>
        <source>Store the present RF level as the opening level</source>
        <translation>Den anliegenden HF-Pegel als Öffnungspegel speichern</translation>
    </message>
    <message>
        <source>Store the present RF level as the closing level</source>
        <translation>Den anliegenden HF-Pegel als Schließpegel speichern</translation>
    </message>
    <message>
        <source>Save the squelch levels in the radio</source>
        <translation>Die Rauschsperren-Pegel im Funkgerät speichern</translation>
    </message>
    <message>
        <source>Preset unmuted level in dBm</source>
        <translation>Voreingestellter Öffnungspegel in dBm</translation>
    </message>
    <message>
        <source>Preset muted level in dBm</source>
        <translation>Voreingestellter Schließpegel in dBm</translation>
    </message>
    <message>
        <source>Return the radio to the preset squelch levels</source>
        <translation>Das Funkgerät auf die voreingestellten Rauschsperren-Pegel zurücksetzen</translation>
    </message>
    <message>
        <source>SQUELCH</source>
        <translation>RAUSCHSPERRE</translation>
    </message>
    <message>
        <source> SQUELCH </source>
        <translation> RAUSCHSPERRE </translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SETZEN</translation>
    </message>
    <message>
        <source>Change Channel </source>
        <translation>Kanal wechseln </translation>
    </message>
    <message>
        <source> Custom Define ? </source>
        <translation> Eigene Werte? </translation>
    </message>
    <message>
        <source> Use Preset </source>
        <translation> Voreinstellung </translation>
    </message>
    <message>
        <source>SET (OPEN)</source>
        <translation>SETZEN (AUF)</translation>
    </message>
    <message>
        <source>1. Set RF signal level for opening
    and press SET</source>
        <translation>1. HF-Pegel zum Öffnen einstellen
    und SETZEN drücken</translation>
    </message>
    <message>
        <source>SET (CLOSE)</source>
        <translation>SETZEN (ZU)</translation>
    </message>
    <message>
        <source>2. Set RF signal level for closing
    and press SET</source>
        <translation>2. HF-Pegel zum Schließen einstellen
    und SETZEN drücken</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Your Default Squelch Settings</source>
        <translation>Ihre Standard-Rauschsperre</translation>
    </message>
    <message>
        <source>Unmuted</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>Custom Mode</source>
        <translation>Eigene Werte</translation>
    </message>
    <message>
        <source>Custom Define?</source>
        <translation>Eigene Werte?</translation>
    </message>
    <message>
        <source>Custom Define ?</source>
        <translation>Eigene Werte ?</translation>
    </message>
</context>
<context>
    <name>CSystemPage</name>
    <message>
        <source> SYSTEM OPTION  /  GPS OPTION </source>
        <translation> SYSTEMOPTIONEN  /  GPS-OPTIONEN </translation>
    </message>
    <message>
        <source> Rssi Level Check</source>
        <translation> RSSI-Pegelprüfung</translation>
    </message>
    <message>
        <source> Busy Port Check</source>
        <translation> Belegt-Eingang prüfen</translation>
    </message>
    <message>
        <source>Squelch type RSSI level check</source>
        <translation>Rauschsperre per RSSI-Pegelprüfung</translation>
    </message>
    <message>
        <source>Squelch type busy port check</source>
        <translation>Rauschsperre per Belegt-Eingang</translation>
    </message>
</context>
<context>
    <name>CTonePickerDlg</name>
    <message>
        <source>CTCSS tones, Hz</source>
        <translation>CTCSS-Töne, Hz</translation>
    </message>
    <message>
        <source>DCS codes</source>
        <translation>DCS-Codes</translation>
    </message>
</context>
<context>
    <name>CTransferHistoryDlg</name>
    <message>
        <source>Transfer History</source>
        <translation>Übertragungsverlauf</translation>
    </message>
    <message>
        <source>The log is %1</source>
        <translation>Das Protokoll ist %1</translation>
    </message>
    <message>
        <source>The log %1 could not be read: %2</source>
        <translation>Das Protokoll %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Sortieren nach:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Absteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all of them, as tab-separated text under the header (also Ctrl+C)</source>
        <translation>Die gewählten Zeilen oder alle als tabulatorgetrennten Text unter der Kopfzeile kopieren (auch Strg+C)</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>älteste zuerst</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>neueste zuerst</translation>
    </message>
    <message>
        <source>shortest first</source>
        <translation>kürzeste zuerst</translation>
    </message>
    <message>
        <source>longest first</source>
        <translation>längste zuerst</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A bis Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>Z bis A</translation>
    </message>
    <message>
        <source>Every radio read and written, sorted by %1, %2. Sort by and Descending change the order; Ctrl+C copies the selected rows with the header</source>
        <translation>Jedes gelesene und geschriebene Funkgerät, sortiert nach %1, %2. „Sortieren nach“ und „Absteigend“ ändern die Reihenfolge; Strg+C kopiert die gewählten Zeilen mit der Kopfzeile</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Adapter Serial Number</source>
        <translation>Seriennummer des Adapters</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>SHA-256 of the Bytes Written</source>
        <translation>SHA-256 der geschriebenen Bytes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>status</source>
        <translation>Statusabfrage</translation>
    </message>
    <message>
        <source>fleet write</source>
        <translation>Schreiben mehrerer Funkgeräte</translation>
    </message>
    <message>
        <source>fleet read</source>
        <translation>Lesen mehrerer Funkgeräte</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Plan File</source>
        <translation>Plandatei</translation>
    </message>
    <message>
        <source>SHA-256 of the Plan File</source>
        <translation>SHA-256 der Plandatei</translation>
    </message>
</context>
<context>
    <name>CTwoToneCodeDlg</name>
    <message>
        <source>CHANGE TWO TONE CONDITION</source>
        <translation>ZWEITON-ZUSTAND ÄNDERN</translation>
    </message>
    <message>
        <source>INPUT PASSWORD : </source>
        <translation>PASSWORT EINGEBEN : </translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>FREISCHALTEN</translation>
    </message>
    <message>
        <source>DISABLE</source>
        <translation>SPERREN</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>FREQUENCY ( 300 - 3000 Hz, 10 step )</source>
        <translation>FREQUENZ ( 300 - 3000 Hz, Schritt 10 )</translation>
    </message>
    <message>
        <source>Tone A frequency, Hz</source>
        <translation>Frequenz Ton A, Hz</translation>
    </message>
    <message>
        <source>DURATION ( 100 - 10000 ms, 10ms step ) </source>
        <translation>DAUER ( 100 - 10000 ms, Schritt 10 ms ) </translation>
    </message>
    <message>
        <source>Tone A duration, ms</source>
        <translation>Dauer Ton A, ms</translation>
    </message>
    <message>
        <source>FREQUENCY ( 300 - 3000 Hz, 10step )</source>
        <translation>FREQUENZ ( 300 - 3000 Hz, Schritt 10 )</translation>
    </message>
    <message>
        <source>Tone B frequency, Hz</source>
        <translation>Frequenz Ton B, Hz</translation>
    </message>
    <message>
        <source>Tone B duration, ms</source>
        <translation>Dauer Ton B, ms</translation>
    </message>
    <message>
        <source>TONE  A</source>
        <translation>TON  A</translation>
    </message>
    <message>
        <source>TONE  B</source>
        <translation>TON  B</translation>
    </message>
    <message>
        <source>BOTH </source>
        <translation>TON A+B </translation>
    </message>
    <message>
        <source> TWO TONE DATA</source>
        <translation> ZWEITON-DATEN</translation>
    </message>
    <message>
        <source> TONE A </source>
        <translation> TON A </translation>
    </message>
    <message>
        <source> TONE B </source>
        <translation> TON B </translation>
    </message>
    <message>
        <source> GROUP TONE </source>
        <translation> GRUPPENTON </translation>
    </message>
    <message>
        <source>Group tone %1</source>
        <translation>Gruppenton %1</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>===== PC PROGRAMMER DATA SHEET =====</source>
        <translation>===== PC-PROGRAMMER DATENBLATT =====</translation>
    </message>
    <message>
        <source>* MODEL</source>
        <translation>* MODELL</translation>
    </message>
    <message>
        <source>## CHANNEL DATA ##</source>
        <translation>## KANALDATEN ##</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>NR.</translation>
    </message>
    <message>
        <source>RX_FREQ(MHz)</source>
        <translation>RX-FREQ(MHz)</translation>
    </message>
    <message>
        <source>RX_OPTION</source>
        <translation>RX-OPTION</translation>
    </message>
    <message>
        <source>TX_FREQ(MHz)</source>
        <translation>TX-FREQ(MHz)</translation>
    </message>
    <message>
        <source>TX_OPTION</source>
        <translation>TX-OPTION</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>WIDTH</source>
        <translation>BREITE</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>LEISTUNG</translation>
    </message>
    <message>
        <source>HANG-ON</source>
        <translation>HALTEZEIT</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>(CTCSS)</source>
        <translation>(CTCSS)</translation>
    </message>
    <message>
        <source>(DCS)</source>
        <translation>(DCS)</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source> WIDE</source>
        <translation> BREIT</translation>
    </message>
    <message>
        <source>NARROW</source>
        <translation>SCHMAL</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>NIEDRIG</translation>
    </message>
    <message>
        <source>%0.1f (CTCSS)</source>
        <translation>%0.1f (CTCSS)</translation>
    </message>
    <message>
        <source>%03d (DCS)</source>
        <translation>%03d (DCS)</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>====  OPTION DATA  ====</source>
        <translation>====  OPTIONSDATEN  ====</translation>
    </message>
    <message>
        <source>### RX OPTION ###</source>
        <translation>### RX-OPTIONEN ###</translation>
    </message>
    <message>
        <source>1. POWER SAVE MODE</source>
        <translation>1. STROMSPARBETRIEB</translation>
    </message>
    <message>
        <source>2. DELAY TIME</source>
        <translation>2. VERZÖGERUNG</translation>
    </message>
    <message>
        <source>3. POWER SAVE ON TIME</source>
        <translation>3. STROMSPAREN EIN-ZEIT</translation>
    </message>
    <message>
        <source>4. POWER SAVE OFF TIME</source>
        <translation>4. STROMSPAREN AUS-ZEIT</translation>
    </message>
    <message>
        <source>### TX OPTION ###</source>
        <translation>### TX-OPTIONEN ###</translation>
    </message>
    <message>
        <source>1. TX TIME OUT TIME</source>
        <translation>1. SENDEZEITBEGRENZUNG</translation>
    </message>
    <message>
        <source>2. BEEP WHEN HANG ON TIME</source>
        <translation>2. TON AM ENDE DER HALTEZEIT</translation>
    </message>
    <message>
        <source>3. TX TONE GENERATION</source>
        <translation>3. SENDETON</translation>
    </message>
    <message>
        <source>FOR DATA INPUT</source>
        <translation>FÜR DATENEINGANG</translation>
    </message>
    <message>
        <source>4. BUSY CHANNEL LOCKOUT</source>
        <translation>4. SPERRE BEI BELEGTEM KANAL</translation>
    </message>
    <message>
        <source>5. ENABLES TX MATCHED SAT</source>
        <translation>5. TX BEI PASSENDEM TON</translation>
    </message>
    <message>
        <source>6. TX DELAY</source>
        <translation>6. SENDEVERZÖGERUNG</translation>
    </message>
    <message>
        <source>### SCAN OPTION ###</source>
        <translation>### SUCHLAUF ###</translation>
    </message>
    <message>
        <source>1. SCAN DELAY TIME</source>
        <translation>1. SUCHLAUF-VERWEILZEIT</translation>
    </message>
    <message>
        <source>2. SCAN SPEED TIME</source>
        <translation>2. SUCHLAUF-SCHRITTZEIT</translation>
    </message>
    <message>
        <source>### GPS OPTION ###</source>
        <translation>### GPS ###</translation>
    </message>
    <message>
        <source>1. GPS</source>
        <translation>1. GPS</translation>
    </message>
    <message>
        <source>2. TRASMISSION CYCLE</source>
        <translation>2. SENDEZYKLUS</translation>
    </message>
    <message>
        <source>3. DATA TRANSMISSION TIME</source>
        <translation>3. DATEN-SENDEZEIT</translation>
    </message>
    <message>
        <source>4. DATA DELAY TIME</source>
        <translation>4. DATEN-VERZÖGERUNG</translation>
    </message>
    <message>
        <source>### MODEM OPTION ###</source>
        <translation>### MODEM ###</translation>
    </message>
    <message>
        <source>1. MODEM</source>
        <translation>1. MODEM</translation>
    </message>
    <message>
        <source>2. MODEM BAUD RATE</source>
        <translation>2. MODEM-BAUDRATE</translation>
    </message>
    <message>
        <source>2.1 S BAND</source>
        <translation>2.1 S-BAND</translation>
    </message>
    <message>
        <source>2.2 N BAND</source>
        <translation>2.2 N-BAND</translation>
    </message>
    <message>
        <source>### SYSTEM OPTION 2 ###</source>
        <translation>### SYSTEMOPTIONEN 2 ###</translation>
    </message>
    <message>
        <source>1. BASE BLOCK SIZE 1</source>
        <translation>1. BASISBLOCKGRÖSSE</translation>
    </message>
    <message>
        <source>2. PREAMBLE DATA SIZE</source>
        <translation>2. PRÄAMBELLÄNGE</translation>
    </message>
    <message>
        <source>3. WAIT FOR BUSY TIME</source>
        <translation>3. WARTEZEIT BEI BELEGT</translation>
    </message>
    <message>
        <source>4. FLOW CONTROL</source>
        <translation>4. FLUSSSTEUERUNG</translation>
    </message>
    <message>
        <source>5. TX DELAY TIME 1</source>
        <translation>5. SENDEVERZÖGERUNG 1</translation>
    </message>
    <message>
        <source>6. TX DELAY TIME 2(TONE ONLY)</source>
        <translation>6. SENDEVERZ. 2 (NUR TON)</translation>
    </message>
    <message>
        <source>7. NUMBER OF ALLOWABLE ERRORS</source>
        <translation>7. ZULÄSSIGE FEHLER</translation>
    </message>
    <message>
        <source>FOR START BIT</source>
        <translation>IM STARTBIT</translation>
    </message>
    <message>
        <source>### SYSTEM OPTION 1 ###</source>
        <translation>### SYSTEMOPTIONEN 1 ###</translation>
    </message>
    <message>
        <source>1. MODE</source>
        <translation>1. BETRIEBSART</translation>
    </message>
    <message>
        <source>2. TX FORCING MODE</source>
        <translation>2. SENDEN ERZWINGEN</translation>
    </message>
    <message>
        <source>3. INITIALIZING DATA FOR HT</source>
        <translation>3. INIT-DATEN FÜR HANDGERÄT</translation>
    </message>
    <message>
        <source>### SYSTEM OPTION 3 ###</source>
        <translation>### SYSTEMOPTIONEN 3 ###</translation>
    </message>
    <message>
        <source>1. TX OFF DELAY</source>
        <translation>1. TX-AUS-VERZÖGERUNG</translation>
    </message>
    <message>
        <source>2. TX ON TIME</source>
        <translation>2. TX-EIN-ZEIT</translation>
    </message>
    <message>
        <source>3. RX ON DELAY</source>
        <translation>3. RX-EIN-VERZÖGERUNG</translation>
    </message>
    <message>
        <source>: ON</source>
        <translation>: EIN</translation>
    </message>
    <message>
        <source>: OFF</source>
        <translation>: AUS</translation>
    </message>
    <message>
        <source>: Enable</source>
        <translation>: Ein</translation>
    </message>
    <message>
        <source>: Disable</source>
        <translation>: Aus</translation>
    </message>
    <message>
        <source>** Squelch Disabled **</source>
        <translation>** Rauschsperre aus **</translation>
    </message>
    <message>
        <source>** Rssi Level Check **</source>
        <translation>** RSSI-Pegelprüfung **</translation>
    </message>
    <message>
        <source>** Busy Port Check **</source>
        <translation>** Belegt-Eingang **</translation>
    </message>
    <message>
        <source>: %lld Sec</source>
        <translation>: %lld s</translation>
    </message>
    <message>
        <source>: %d Sec</source>
        <translation>: %d s</translation>
    </message>
    <message>
        <source>: %lld Hour</source>
        <translation>: %lld Std.</translation>
    </message>
    <message>
        <source>Modem is not selected</source>
        <translation>Kein Modem gewählt</translation>
    </message>
    <message>
        <source>** AFSK  BELL202 Mode **</source>
        <translation>** AFSK  BELL202 **</translation>
    </message>
    <message>
        <source>** AFSK  V23 Mode **</source>
        <translation>** AFSK  V23 **</translation>
    </message>
    <message>
        <source>: NONE</source>
        <translation>: KEINE</translation>
    </message>
    <message>
        <source>: %d BYTE</source>
        <translation>: %d BYTE</translation>
    </message>
    <message>
        <source>: %d BIT</source>
        <translation>: %d BIT</translation>
    </message>
    <message>
        <source>Test Mode Enable</source>
        <translation>Testbetrieb ein</translation>
    </message>
    <message>
        <source>: Auto Mode</source>
        <translation>: Automatisch</translation>
    </message>
    <message>
        <source>: Dumb Mode</source>
        <translation>: Transparent</translation>
    </message>
    <message>
        <source>%s DATA SHEET</source>
        <translation>DATENBLATT %s</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>false</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>true</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>sub-band</source>
        <translation>Teilband</translation>
    </message>
    <message>
        <source>time-out timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Sendezeitgrenze</translation>
    </message>
    <message>
        <source>hang timer</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>hang time</source>
        <translation>Haltezeit (Dauer)</translation>
    </message>
    <message>
        <source>busy channel lockout</source>
        <translation>Sendesperre bei belegtem Kanal</translation>
    </message>
    <message>
        <source>tx matched SAT</source>
        <translation>TX nur bei passendem SAT-Ton</translation>
    </message>
    <message>
        <source>tx delay</source>
        <translation>Sendeverzögerung</translation>
    </message>
    <message>
        <source>power save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>power save delay</source>
        <translation>Stromspar-Verzögerung</translation>
    </message>
    <message>
        <source>power save rx off time</source>
        <translation>Stromsparen RX-Aus-Zeit</translation>
    </message>
    <message>
        <source>power save rx on time</source>
        <translation>Stromsparen RX-Ein-Zeit</translation>
    </message>
    <message>
        <source>squelch</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>squelch type</source>
        <translation>Art der Rauschsperre</translation>
    </message>
    <message>
        <source>rssi</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>busy-port</source>
        <translation>Belegt-Eingang</translation>
    </message>
    <message>
        <source>hang-on beep</source>
        <translation>Hinweiston am Sendeende</translation>
    </message>
    <message>
        <source>tx tone for data</source>
        <translation>Sendeton für Daten</translation>
    </message>
    <message>
        <source>external modulation</source>
        <translation>externe Modulation</translation>
    </message>
    <message>
        <source>scan delay</source>
        <translation>Suchlauf-Verweilzeit</translation>
    </message>
    <message>
        <source>scan speed</source>
        <translation>Suchlauf-Geschwindigkeit</translation>
    </message>
    <message>
        <source>gps</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>gps cycle</source>
        <translation>GPS-Zyklus</translation>
    </message>
    <message>
        <source>gps tx time</source>
        <translation>GPS-Sendezeit</translation>
    </message>
    <message>
        <source>gps delay</source>
        <translation>GPS-Verzögerung</translation>
    </message>
    <message>
        <source>gmsk</source>
        <translation>GMSK</translation>
    </message>
    <message>
        <source>ffsk</source>
        <translation>FFSK</translation>
    </message>
    <message>
        <source>afsk</source>
        <translation>AFSK</translation>
    </message>
    <message>
        <source>modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>afsk variant</source>
        <translation>AFSK-Variante</translation>
    </message>
    <message>
        <source>v23</source>
        <translation>V23</translation>
    </message>
    <message>
        <source>bell-202</source>
        <translation>Bell 202</translation>
    </message>
    <message>
        <source>s-band baud</source>
        <translation>S-Band-Baudrate</translation>
    </message>
    <message>
        <source>n-band baud</source>
        <translation>N-Band-Baudrate</translation>
    </message>
    <message>
        <source>base block</source>
        <translation>Basisblock</translation>
    </message>
    <message>
        <source>base block size</source>
        <translation>Basisblockgröße</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>preamble size</source>
        <translation>Präambellänge</translation>
    </message>
    <message>
        <source>wait for busy time</source>
        <translation>Wartezeit bei belegtem Kanal</translation>
    </message>
    <message>
        <source>flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>xon/xoff</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>rts/cts</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>tx delay 1</source>
        <translation>Sendeverzögerung 1</translation>
    </message>
    <message>
        <source>tx delay 2</source>
        <translation>Sendeverzögerung 2</translation>
    </message>
    <message>
        <source>start bit errors</source>
        <translation>Startbitfehler</translation>
    </message>
    <message>
        <source>modem mode</source>
        <translation>Modembetrieb</translation>
    </message>
    <message>
        <source>dumb</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>tx forcing</source>
        <translation>Senden erzwingen</translation>
    </message>
    <message>
        <source>init data for HT</source>
        <translation>Init-Daten für Handfunkgerät</translation>
    </message>
    <message>
        <source>tx off delay</source>
        <translation>TX-Aus-Verzögerung</translation>
    </message>
    <message>
        <source>tx on delay</source>
        <translation>TX-Ein-Verzögerung</translation>
    </message>
    <message>
        <source>rx on delay</source>
        <translation>RX-Ein-Verzögerung</translation>
    </message>
    <message>
        <source>modem test mode</source>
        <translation>Modem-Testbetrieb</translation>
    </message>
    <message>
        <source>byte option</source>
        <translation>Byte-Option</translation>
    </message>
    <message>
        <source>calibration scan mode</source>
        <translation>Abgleich-Suchlaufmodus</translation>
    </message>
    <message>
        <source>last ctcss looked up</source>
        <translation>zuletzt gesuchter CTCSS-Ton</translation>
    </message>
    <message>
        <source>last dcs looked up</source>
        <translation>zuletzt gesuchter DCS-Code</translation>
    </message>
    <message>
        <source>reserved 1</source>
        <translation>reserviert 1</translation>
    </message>
    <message>
        <source>reserved 2</source>
        <translation>reserviert 2</translation>
    </message>
    <message>
        <source>reserved int 2</source>
        <translation>reserviert (ganzzahlig) 2</translation>
    </message>
    <message>
        <source>reserved int 3</source>
        <translation>reserviert (ganzzahlig) 3</translation>
    </message>
    <message>
        <source>service byte 12</source>
        <translation>Servicebyte 12</translation>
    </message>
    <message>
        <source>service byte 13</source>
        <translation>Servicebyte 13</translation>
    </message>
    <message>
        <source>rx</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>tx</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>two-tone A frequency</source>
        <translation>Zweiton A Frequenz</translation>
    </message>
    <message>
        <source>two-tone B frequency</source>
        <translation>Zweiton B Frequenz</translation>
    </message>
    <message>
        <source>two-tone A duration</source>
        <translation>Zweiton A Dauer</translation>
    </message>
    <message>
        <source>two-tone B duration</source>
        <translation>Zweiton B Dauer</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>schmal</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>breit</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>rx signalling</source>
        <translation>RX-Signalisierung</translation>
    </message>
    <message>
        <source>ctcss</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>dcs</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>two-tone</source>
        <translation>Zweiton</translation>
    </message>
    <message>
        <source>rx ctcss</source>
        <translation>RX CTCSS</translation>
    </message>
    <message>
        <source>rx dcs</source>
        <translation>RX DCS</translation>
    </message>
    <message>
        <source>two-tone group</source>
        <translation>Zweiton-Auswertung</translation>
    </message>
    <message>
        <source>tone-a</source>
        <translation>Ton A</translation>
    </message>
    <message>
        <source>tone-b</source>
        <translation>Ton B</translation>
    </message>
    <message>
        <source>both</source>
        <translation>Ton A und B</translation>
    </message>
    <message>
        <source>tx signalling</source>
        <translation>TX-Signalisierung</translation>
    </message>
    <message>
        <source>tx ctcss</source>
        <translation>TX CTCSS</translation>
    </message>
    <message>
        <source>tx dcs</source>
        <translation>TX DCS</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Wrong password!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message>
        <source>Tone isn&apos;t used in GMSK modem</source>
        <translation>Im GMSK-Modem wird kein Ton verwendet</translation>
    </message>
    <message>
        <source>Two Tone isn&apos;t used in FFSK modem</source>
        <translation>Im FFSK-Modem wird kein Zweiton verwendet</translation>
    </message>
    <message>
        <source>Out of range channel</source>
        <translation>Kanal außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Fill Rx/Tx Freq. first</source>
        <translation>Zuerst RX-/TX-Frequenz eintragen</translation>
    </message>
    <message>
        <source>Writing.....!</source>
        <translation>Schreiben.....!</translation>
    </message>
    <message>
        <source>Reading.....!</source>
        <translation>Lesen.....!</translation>
    </message>
    <message>
        <source>Communication Error !!!   Check your radio connection to PC !!!</source>
        <translation>Kommunikationsfehler !!!   Verbindung zwischen Funkgerät und PC prüfen !!!</translation>
    </message>
    <message>
        <source>Write Fail..!</source>
        <translation>Schreiben fehlgeschlagen..!</translation>
    </message>
    <message>
        <source>Read Fail..!</source>
        <translation>Lesen fehlgeschlagen..!</translation>
    </message>
    <message>
        <source>Write Fail!</source>
        <translation>Schreiben fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Read Fail!</source>
        <translation>Lesen fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Write cancelled. The radio holds a partly written configuration: write it again before using the radio.</source>
        <translation>Schreiben abgebrochen. Das Funkgerät enthält eine teilweise geschriebene Konfiguration: vor dem Einsatz erneut schreiben.</translation>
    </message>
    <message>
        <source>Read cancelled. Nothing was changed.</source>
        <translation>Lesen abgebrochen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Write Data!</source>
        <translation>Daten geschrieben!</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Daten gelesen</translation>
    </message>
    <message>
        <source>Verifying: reading the radio back...</source>
        <translation>Prüfen: Funkgerät wird zurückgelesen...</translation>
    </message>
    <message>
        <source>Bytes from the radio were lost (the receive queue was full). Try again.</source>
        <translation>Bytes vom Funkgerät gingen verloren (der Empfangspuffer war voll). Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The serial adapter stopped taking bytes. Check the cable and the adapter, then try again.</source>
        <translation>Der serielle Adapter nimmt keine Bytes mehr an. Kabel und Adapter prüfen, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid serial command transfer!</source>
        <translation>Ungültige serielle Befehlsübertragung!</translation>
    </message>
    <message>
        <source>This command is not allowed!</source>
        <translation>Dieser Befehl ist nicht erlaubt!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>No answer from the radio !!!   Check your radio connection to PC !!!</source>
        <translation>Keine Antwort vom Funkgerät !!!   Verbindung zwischen Funkgerät und PC prüfen !!!</translation>
    </message>
    <message>
        <source>The radio refused programming mode: it is busy (receiving, transmitting or scanning) or another program holds it. Wait until the radio is idle, close other programming tools, switch the radio off and on, then try again.</source>
        <translation>Das Funkgerät lehnt den Programmiermodus ab: es ist beschäftigt (Empfang, Senden oder Suchlauf) oder ein anderes Programm belegt es. Warten Sie, bis das Gerät ruht, schließen Sie andere Programmierwerkzeuge, schalten Sie das Gerät aus und ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s answer on {port} was garbled: a cable or baud problem. Use the radio&apos;s programming cable, make sure it sits firmly, close any program that set up {port} at another speed, then try again.</source>
        <translation>Die Antwort des Funkgeräts an {port} war verstümmelt: ein Kabel- oder Baudratenproblem. Verwenden Sie das Programmierkabel des Geräts, achten Sie auf festen Sitz, schließen Sie jedes Programm, das {port} mit anderer Geschwindigkeit eingerichtet hat, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Bytes from the radio were lost at block {block}; {stored}.</source>
        <translation>Bei Block {block} gingen Bytes vom Funkgerät verloren; {stored}.</translation>
    </message>
    <message>
        <source>Unplug the cable, plug it in again, then try again.</source>
        <translation>Kabel ab- und wieder anstecken, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>no block was stored, so the radio keeps the configuration it held — write again</source>
        <translation>es wurde kein Block gespeichert, das Funkgerät behält also seine bisherige Konfiguration — erneut schreiben</translation>
    </message>
    <message>
        <source>the port</source>
        <translation>dem Anschluss</translation>
    </message>
    <message>
        <source>This file is for UHF. Model type is mismatched.<byte value="xd"/>
<byte value="xd"/>
Please select model again...</source>
        <translation>Diese Datei ist für UHF. Der Modelltyp passt nicht.<byte value="xd"/>
<byte value="xd"/>
Bitte das Modell erneut wählen...</translation>
    </message>
    <message>
        <source>This file is for VHF. Model type is mismatched.<byte value="xd"/>
<byte value="xd"/>
Please select model again...</source>
        <translation>Diese Datei ist für VHF. Der Modelltyp passt nicht.<byte value="xd"/>
<byte value="xd"/>
Bitte das Modell erneut wählen...</translation>
    </message>
    <message>
        <source>Model type is wrong.</source>
        <translation>Der Modelltyp ist falsch.</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>Datei kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This is not a file that can be loaded (it is a pipe or a device). Choose a settings file.</source>
        <translation>Das ist keine ladbare Datei (es ist eine Pipe oder ein Gerät). Wählen Sie eine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>This file is corrupted or wrong file type!</source>
        <translation>Diese Datei ist beschädigt oder vom falschen Typ!</translation>
    </message>
    <message>
        <source>Channel 16 is programmed and falls off the end when the channels move down.<byte value="xd"/>
<byte value="xd"/>
Insert all the same?</source>
        <translation>Kanal 16 ist belegt und fällt heraus, wenn die Kanäle nach unten rücken.<byte value="xd"/>
<byte value="xd"/>
Trotzdem einfügen?</translation>
    </message>
    <message>
        <source>All frequencies will be cleared.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Alle Frequenzen werden gelöscht.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The settings have changed since they were last loaded or saved.<byte value="xd"/>
<byte value="xd"/>
Do you want to save them?</source>
        <translation>Die Einstellungen wurden seit dem letzten Laden oder Speichern geändert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Input Hexa code!</source>
        <translation>Hex-Code eingeben!</translation>
    </message>
    <message>
        <source>Wrong Hexa data input</source>
        <translation>Falsche Hex-Eingabe</translation>
    </message>
    <message>
        <source>You should select GMSK, FFSK or AFSK!</source>
        <translation>Bitte GMSK, FFSK oder AFSK wählen!</translation>
    </message>
    <message>
        <source>It is not used in Dumb Mode!</source>
        <translation>Im Dumb-Modus nicht verwendet!</translation>
    </message>
    <message>
        <source>This is Tx Mode</source>
        <translation>Das Gerät sendet gerade</translation>
    </message>
    <message>
        <source>This is FFSK Modem!</source>
        <translation>Das ist ein FFSK-Modem!</translation>
    </message>
    <message>
        <source>This is GMSK Modem!</source>
        <translation>Das ist ein GMSK-Modem!</translation>
    </message>
    <message>
        <source>Valid Settings 50 - 2000 ms</source>
        <translation>Gültige Werte 50 - 2000 ms</translation>
    </message>
    <message>
        <source>Valid Settings 1 - 10</source>
        <translation>Gültige Werte 1 - 10</translation>
    </message>
    <message>
        <source>Valid Settings 50 - 300</source>
        <translation>Gültige Werte 50 - 300</translation>
    </message>
    <message>
        <source>Valid Settings 0 - 16 ms</source>
        <translation>Gültige Werte 0 - 16 ms</translation>
    </message>
    <message>
        <source>Valid Settings 0 - 255 ms</source>
        <translation>Gültige Werte 0 - 255 ms</translation>
    </message>
    <message>
        <source>Valid Settings 0 - 127 ms</source>
        <translation>Gültige Werte 0 - 127 ms</translation>
    </message>
    <message>
        <source>There is no serial trace yet: read or write the radio, or open a service dialog, then save its trace.</source>
        <translation>Es gibt noch keinen seriellen Mitschnitt: Funkgerät lesen oder schreiben oder einen Servicedialog öffnen, dann den Mitschnitt speichern.</translation>
    </message>
    <message>
        <source>A problem report holds the program&apos;s version, the operating system, the port list, the serial traces of the last failed transfers (only their frames&apos; kinds and block numbers) and the last 200 lines of the transfer log (plans named only by their digest).<byte value="xd"/>
<byte value="xd"/>
Include the open configuration (as YAML text) and the whole traces, which hold the radios&apos; configurations, too?</source>
        <translation>Ein Fehlerbericht enthält die Programmversion, das Betriebssystem, die Anschlussliste, die seriellen Mitschnitte der letzten fehlgeschlagenen Übertragungen (nur die Art ihrer Rahmen und die Blocknummern) und die letzten 200 Zeilen des Übertragungsprotokolls (Pläne nur mit ihrer Prüfsumme benannt).<byte value="xd"/>
<byte value="xd"/>
Die geöffnete Konfiguration (als YAML-Text) und die vollständigen Mitschnitte, die die Konfigurationen der Funkgeräte enthalten, ebenfalls beifügen?</translation>
    </message>
    <message>
        <source> KV310 and KV330 16-channel data radios. <byte value="xd"/>
<byte value="xd"/>
 Choose the radio you are going to program. Choosing a model starts a new, empty configuration.<byte value="xd"/>
</source>
        <translation> 16-Kanal-Datenfunkgeräte KV310 und KV330. <byte value="xd"/>
<byte value="xd"/>
 Wählen Sie das Funkgerät, das Sie programmieren wollen. Die Modellwahl beginnt eine neue, leere Konfiguration.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tick the port of at least one radio to write to.</source>
        <translation>Kreuzen Sie den Anschluss mindestens eines Funkgeräts an.</translation>
    </message>
    <message>
        <source>Tone A</source>
        <translation>Ton A</translation>
    </message>
    <message>
        <source>Tone B</source>
        <translation>Ton B</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ton A+B</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>No Timer</source>
        <translation>Kein Timer</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>partly written: block 0 is new, {first}–{last} are not; the radio still holds a mixed configuration — write again</source>
        <translation>teilweise geschrieben: Block 0 ist neu, {first}–{last} nicht; das Funkgerät enthält eine gemischte Konfiguration — erneut schreiben</translation>
    </message>
    <message>
        <source>partly written: blocks 0–{written} are new, {first} is not; the radio still holds a mixed configuration — write again</source>
        <translation>teilweise geschrieben: Blöcke 0–{written} sind neu, {first} nicht; das Funkgerät enthält eine gemischte Konfiguration — erneut schreiben</translation>
    </message>
    <message>
        <source>partly written: blocks 0–{written} are new, {first}–{last} are not; the radio still holds a mixed configuration — write again</source>
        <translation>teilweise geschrieben: Blöcke 0–{written} sind neu, {first}–{last} nicht; das Funkgerät enthält eine gemischte Konfiguration — erneut schreiben</translation>
    </message>
    <message>
        <source> Click to program for {model}. <byte value="xd"/>
<byte value="xd"/>
 The band frequency is <byte value="xd"/>
{low} MHz to {high} MHz.<byte value="xd"/>
</source>
        <translation> Klicken, um für {model} zu programmieren. <byte value="xd"/>
<byte value="xd"/>
 Der Frequenzbereich ist <byte value="xd"/>
{low} MHz bis {high} MHz.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The radio did not answer on {port}.</source>
        <translation>Das Funkgerät hat an {port} nicht geantwortet.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged into the radio, the radio is switched on and not transmitting, and {port} is the cable&apos;s port ({find}).</source>
        <translation>Prüfen Sie, ob das Kabel im Funkgerät steckt, das Funkgerät eingeschaltet ist und nicht sendet und ob das Kabel an {port} angeschlossen ist ({find}).</translation>
    </message>
    <message>
        <source>The link was lost mid-transfer: the radio lost power (battery, supply), or the cable moved or came loose.</source>
        <translation>Die Verbindung brach mitten in der Übertragung ab: das Funkgerät verlor die Stromversorgung (Akku, Netzteil), oder das Kabel wurde bewegt oder hat sich gelöst.</translation>
    </message>
    <message>
        <source>The radio stopped answering at block {block} of 26; {stored}.</source>
        <translation>Das Funkgerät antwortete ab Block {block} von 26 nicht mehr; {stored}.</translation>
    </message>
    <message>
        <source>The radio stopped sending at block {block} of 26.</source>
        <translation>Das Funkgerät hörte bei Block {block} von 26 auf zu senden.</translation>
    </message>
    <message>
        <source>Check the radio&apos;s power and the cable first.</source>
        <translation>Zuerst Stromversorgung des Funkgeräts und Kabel prüfen.</translation>
    </message>
    <message>
        <source>Check the radio&apos;s power and the cable, then read again.</source>
        <translation>Stromversorgung des Funkgeräts und Kabel prüfen, dann erneut lesen.</translation>
    </message>
    <message>
        <source>The radio kept asking for block {block} again (it arrived damaged): a cable or baud problem; {stored}.</source>
        <translation>Das Funkgerät forderte Block {block} immer wieder neu an (er kam beschädigt an): ein Kabel- oder Baudratenproblem; {stored}.</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to block {block} was garbled: a cable or baud problem; {stored}.</source>
        <translation>Die Antwort des Funkgeräts auf Block {block} war verstümmelt: ein Kabel- oder Baudratenproblem; {stored}.</translation>
    </message>
    <message>
        <source>Block {block} arrived garbled or damaged every time: a cable or baud problem.</source>
        <translation>Block {block} kam jedes Mal verstümmelt oder beschädigt an: ein Kabel- oder Baudratenproblem.</translation>
    </message>
    <message>
        <source>Check the cable first.</source>
        <translation>Zuerst das Kabel prüfen.</translation>
    </message>
    <message>
        <source>Nothing was changed: check the cable and read again.</source>
        <translation>Es wurde nichts geändert: Kabel prüfen und erneut lesen.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The adapter stopped at block {block}; {stored}.</source>
        <translation>Der Adapter blieb bei Block {block} stehen; {stored}.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again first.</source>
        <translation>Zuerst das Kabel ab- und wieder anstecken.</translation>
    </message>
    <message>
        <source>Unplug the cable, plug it in again, then read again.</source>
        <translation>Kabel ab- und wieder anstecken, dann erneut lesen.</translation>
    </message>
    <message>
        <source>Read again.</source>
        <translation>Erneut lesen.</translation>
    </message>
    <message>
        <source>Verify failed: at 0x{address} the radio holds 0x{held} where 0x{written} was written; {differ}.</source>
        <translation>Prüfung fehlgeschlagen: an 0x{address} enthält das Funkgerät 0x{held}, geschrieben wurde 0x{written}; {differ}.</translation>
    </message>
    <message>
        <source>Write the radio again; if this repeats, the radio needs service.</source>
        <translation>Das Funkgerät erneut schreiben; wiederholt sich das, muss das Funkgerät in den Service.</translation>
    </message>
    <message>
        <source>The radio could not be read back, so the write is not proven.</source>
        <translation>Das Funkgerät konnte nicht zurückgelesen werden; das Schreiben ist daher nicht bestätigt.</translation>
    </message>
    <message>
        <source>Write the radio again.</source>
        <translation>Das Funkgerät erneut schreiben.</translation>
    </message>
    <message>
        <source>no backup of the radio could be kept (%s), so nothing was written</source>
        <translation>vom Funkgerät konnte keine Sicherung angelegt werden (%s); es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>nicht zurückgelesen</translation>
    </message>
    <message>
        <source>the transfer failed</source>
        <translation>die Übertragung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und geprüft</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>1 radio %s.</source>
        <translation>1 Funkgerät %s.</translation>
    </message>
    <message>
        <source>All %zu radios %s.</source>
        <translation>Alle %zu Funkgeräte %s.</translation>
    </message>
    <message>
        <source>%d of 1 radio %s; failed: %s.</source>
        <translation>%d von 1 Funkgerät %s; fehlgeschlagen: %s.</translation>
    </message>
    <message>
        <source>%d of %zu radios %s; failed: %s.</source>
        <translation>%d von %zu Funkgeräten %s; fehlgeschlagen: %s.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>no permission — add yourself to the dialout group</source>
        <translation>keine Berechtigung — sich selbst zur Gruppe dialout hinzufügen</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>the adapter has no driver set up (code %d); install the driver the adapter&apos;s maker supplies</source>
        <translation>für den Adapter ist kein Treiber eingerichtet (Code %d); den Treiber des Adapterherstellers installieren</translation>
    </message>
    <message>
        <source>the adapter&apos;s driver did not start it (code %d); use the driver the adapter&apos;s maker supplies, or another cable</source>
        <translation>der Treiber hat den Adapter nicht gestartet (Code %d); den Treiber des Adapterherstellers oder ein anderes Kabel verwenden</translation>
    </message>
    <message>
        <source>the adapter is disabled (code %d); enable it in Device Manager</source>
        <translation>der Adapter ist deaktiviert (Code %d); im Geräte-Manager aktivieren</translation>
    </message>
    <message>
        <source>no driver is installed for the adapter (code %d); install the driver the adapter&apos;s maker supplies</source>
        <translation>für den Adapter ist kein Treiber installiert (Code %d); den Treiber des Adapterherstellers installieren</translation>
    </message>
    <message>
        <source>Windows stopped the adapter after it reported a fault (code %d); plug it into another USB socket, or use another cable</source>
        <translation>Windows hat den Adapter nach einer Fehlermeldung angehalten (Code %d); an einer anderen USB-Buchse anstecken oder ein anderes Kabel verwenden</translation>
    </message>
    <message>
        <source>the adapter&apos;s driver reports a problem (code %d); see the adapter in Device Manager, or use another cable</source>
        <translation>der Treiber des Adapters meldet ein Problem (Code %d); den Adapter im Geräte-Manager ansehen oder ein anderes Kabel verwenden</translation>
    </message>
    <message>
        <source>USB modem adapter</source>
        <translation>USB-Modem-Adapter</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB-Seriell-Adapter</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serieller Anschluss</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Simuliertes Funkgerät</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>in use by another program (process %d)</source>
        <translation>von einem anderen Programm belegt (Prozess %d)</translation>
    </message>
    <message>
        <source>in use by %s (process %d)</source>
        <translation>belegt von %s (Prozess %d)</translation>
    </message>
    <message>
        <source>driver failed (code %d)</source>
        <translation>Treiber ausgefallen (Code %d)</translation>
    </message>
    <message>
        <source>serial %s</source>
        <translation>Seriennummer %s</translation>
    </message>
    <message>
        <source>%s has no port: %s.</source>
        <translation>%s hat keinen Anschluss: %s.</translation>
    </message>
    <message>
        <source>%s cannot be used: no permission. Add yourself to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>%s kann nicht verwendet werden: keine Berechtigung. Sich selbst zur Gruppe dialout hinzufügen (sudo usermod -aG dialout $USER), dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>%s is %s. Close that program, then try again.</source>
        <translation>%s ist %s. Dieses Programm schließen, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>%s is not present. Plug in the programming cable, or pick its port (Port &gt; Find the Cable).</source>
        <translation>%s ist nicht vorhanden. Das Programmierkabel anstecken oder seinen Anschluss wählen (Anschluss &gt; Kabel suchen).</translation>
    </message>
    <message>
        <source>Stopped before the write: the radio holds what it held.</source>
        <translation>Vor dem Schreiben angehalten: das Funkgerät enthält, was es vorher enthielt.</translation>
    </message>
    <message>
        <source>1 byte differs</source>
        <translation>1 Byte weicht ab</translation>
    </message>
    <message>
        <source>%d bytes differ</source>
        <translation>%d Bytes weichen ab</translation>
    </message>
    <message>
        <source>Port &gt; Find the Cable</source>
        <translation>Anschluss &gt; Kabel suchen</translation>
    </message>
    <message>
        <source>Time out timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>Hang timer</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>Power save delay time (list position)</source>
        <translation>Stromsparen: Verzögerung (Listenposition)</translation>
    </message>
    <message>
        <source>Power save Rx off time</source>
        <translation>Stromsparen: RX-Auszeit</translation>
    </message>
    <message>
        <source>Power save Rx on time</source>
        <translation>Stromsparen: RX-Einzeit</translation>
    </message>
    <message>
        <source>Scan delay time (list position)</source>
        <translation>Suchlauf-Verzögerung (Listenposition)</translation>
    </message>
    <message>
        <source>Scan speed time</source>
        <translation>Suchlauf-Tempo</translation>
    </message>
    <message>
        <source>GPS transmission cycle (list position)</source>
        <translation>GPS-Sendezyklus (Listenposition)</translation>
    </message>
    <message>
        <source>GPS data transmission time</source>
        <translation>GPS-Daten-Sendezeit</translation>
    </message>
    <message>
        <source>GPS data delay time</source>
        <translation>GPS-Daten-Verzögerung</translation>
    </message>
    <message>
        <source>Base block size (list position)</source>
        <translation>Basis-Blockgröße (Listenposition)</translation>
    </message>
    <message>
        <source>Preamble data size (list position)</source>
        <translation>Präambellänge (Listenposition)</translation>
    </message>
    <message>
        <source>Wait for busy time (list position)</source>
        <translation>Wartezeit bei Belegt (Listenposition)</translation>
    </message>
    <message>
        <source>Flow control (list position)</source>
        <translation>Flusssteuerung (Listenposition)</translation>
    </message>
    <message>
        <source>Tx delay time 1 (list position)</source>
        <translation>TX-Verzögerung 1 (Listenposition)</translation>
    </message>
    <message>
        <source>Tx delay time 2 (list position)</source>
        <translation>TX-Verzögerung 2 (Listenposition)</translation>
    </message>
    <message>
        <source>Allowable errors for start bit</source>
        <translation>Zulässige Fehler für das Startbit</translation>
    </message>
    <message>
        <source>Tx off delay</source>
        <translation>TX-Aus-Verzögerung</translation>
    </message>
    <message>
        <source>Tx on time</source>
        <translation>TX-Einzeit</translation>
    </message>
    <message>
        <source>Rx on delay</source>
        <translation>RX-Ein-Verzögerung</translation>
    </message>
    <message>
        <source>Sub-band</source>
        <translation>Teilband</translation>
    </message>
    <message>
        <source>Service byte 1</source>
        <translation>Service-Byte 1</translation>
    </message>
    <message>
        <source>Service byte 2</source>
        <translation>Service-Byte 2</translation>
    </message>
    <message>
        <source>model row %d</source>
        <translation>Modellzeile %d</translation>
    </message>
    <message>
        <source>the radio is a %s, the plan is for a %s</source>
        <translation>das Funkgerät ist ein %s, die Konfiguration ist für ein %s</translation>
    </message>
    <message>
        <source>the radio is a %s, the backup is for a %s</source>
        <translation>das Funkgerät ist ein %s, die Sicherung ist für ein %s</translation>
    </message>
    <message>
        <source>Model row %d is none of the radios this program offers (rows 2 to 5)</source>
        <translation>Modellzeile %d ist keines der Funkgeräte, die dieses Programm anbietet (Zeilen 2 bis 5)</translation>
    </message>
    <message>
        <source>Sub-band %d does not exist: the %s has %d</source>
        <translation>Teilband %d gibt es nicht: das %s hat %d</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz: its synthesizer divider (%lld steps of %s) does not fit the radio&apos;s %d bits; the radio would tune %.5f MHz</source>
        <translation>Kanal %d %s %.5f MHz: sein Synthesizer-Teiler (%lld Schritte zu %s) passt nicht in die %d Bits des Funkgeräts; das Funkgerät würde %.5f MHz einstellen</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz is not on the channel&apos;s %s grid; the radio would tune %.5f MHz</source>
        <translation>Kanal %d %s %.5f MHz liegt nicht im %s-Raster des Kanals; das Funkgerät würde %.5f MHz einstellen</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz is outside the %s band %s (%.0f to %.0f MHz)</source>
        <translation>Kanal %d %s %.5f MHz liegt außerhalb des Bands von %s %s (%.0f bis %.0f MHz)</translation>
    </message>
    <message>
        <source>Channel %d %s CTCSS %.1f Hz is not in the radio&apos;s tone table; the radio would use %.1f Hz</source>
        <translation>Kanal %d %s CTCSS %.1f Hz steht nicht in der Tontabelle des Funkgeräts; das Funkgerät würde %.1f Hz verwenden</translation>
    </message>
    <message>
        <source>Channel %d %s DCS %03d is not in the radio&apos;s code table; the radio would use DCS %03d</source>
        <translation>Kanal %d %s DCS %03d steht nicht in der Codetabelle des Funkgeräts; das Funkgerät würde DCS %03d verwenden</translation>
    </message>
    <message>
        <source>Channel %d RX two-tone: the %s has no two-tone decoder; the radio would get no RX signalling</source>
        <translation>Kanal %d RX Zweiton: das %s hat keinen Zweiton-Decoder; das Funkgerät bekäme keine RX-Signalisierung</translation>
    </message>
    <message>
        <source>Channel %d RX two-tone group %d does not exist (0 Tone A, 1 Tone B, 2 Both); the radio would get no RX signalling</source>
        <translation>Kanal %d RX Zweiton-Gruppe %d gibt es nicht (0 Ton A, 1 Ton B, 2 beide); das Funkgerät bekäme keine RX-Signalisierung</translation>
    </message>
    <message>
        <source>Channel %d two-tone tone %s %.2f Hz is outside 300 to 3000 Hz, the range of the radio&apos;s tone decoder</source>
        <translation>Kanal %d Zweiton Ton %s %.2f Hz liegt außerhalb von 300 bis 3000 Hz, dem Bereich des Tondecoders im Funkgerät</translation>
    </message>
    <message>
        <source>Channel %d two-tone tone %s duration %.0f ms is outside 100 to 10000 ms, the range its dialog offers</source>
        <translation>Kanal %d Zweiton Ton %s Dauer %.0f ms liegt außerhalb von 100 bis 10000 ms, dem Bereich, den sein Dialog anbietet</translation>
    </message>
    <message>
        <source>Channel %d RX signalling option %d does not exist; the radio would get no RX signalling</source>
        <translation>Kanal %d RX-Signalisierungsoption %d gibt es nicht; das Funkgerät bekäme keine RX-Signalisierung</translation>
    </message>
    <message>
        <source>Channel %d TX signalling option %d does not exist; the radio would get no TX signalling</source>
        <translation>Kanal %d TX-Signalisierungsoption %d gibt es nicht; das Funkgerät bekäme keine TX-Signalisierung</translation>
    </message>
    <message>
        <source>Channel %d step code %d: the %s synthesizer has no %s step</source>
        <translation>Kanal %d Schrittweiten-Code %d: der Synthesizer des %s hat keine Schrittweite von %s</translation>
    </message>
    <message>
        <source>Channel %d step code %d: the %s synthesizer has no such step (the radio would get %s)</source>
        <translation>Kanal %d Schrittweiten-Code %d: der Synthesizer des %s hat keine solche Schrittweite (das Funkgerät bekäme %s)</translation>
    </message>
    <message>
        <source>%s %lld%s does not fit its %d bits in the radio; the radio would get %lld%s</source>
        <translation>%s %lld%s passt nicht in seine %d Bits im Funkgerät; das Funkgerät bekäme %lld%s</translation>
    </message>
    <message>
        <source>%s %lld%s is outside %lld to %lld%s, the range its page offers</source>
        <translation>%s %lld%s liegt außerhalb von %lld bis %lld%s, dem Bereich, den seine Seite anbietet</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz: the radio would hold %.5f MHz (its divider does not fit the radio&apos;s %d bits)</source>
        <translation>Kanal %d %s %.5f MHz: das Funkgerät enthielte %.5f MHz (sein Teiler passt nicht in die %d Bits des Funkgeräts)</translation>
    </message>
    <message>
        <source>Channel %d is receive-only (TX 0 MHz): the radio gets its RX signalling, but a read of the radio brings the channel back without it</source>
        <translation>Kanal %d ist nur zum Empfang (TX 0 MHz): das Funkgerät erhält seine RX-Signalisierung, aber beim Lesen des Funkgeräts kommt der Kanal ohne sie zurück</translation>
    </message>
    <message>
        <source>error: %s</source>
        <translation>Fehler: %s</translation>
    </message>
    <message>
        <source>warning: %s</source>
        <translation>Warnung: %s</translation>
    </message>
    <message>
        <source>Hangon time for %s can be set <byte value="xd"/>
only one value for all channel</source>
        <translation>Die Haltezeit für %s kann nur <byte value="xd"/>
einheitlich für alle Kanäle eingestellt werden</translation>
    </message>
    <message>
        <source>%s is supported 180 - 2000 ms for hangon time</source>
        <translation>%s unterstützt 180 - 2000 ms als Haltezeit</translation>
    </message>
    <message>
        <source>The frequency is out of band.<byte value="xd"/>
It should be in %d - %d</source>
        <translation>Die Frequenz liegt außerhalb des Bands.<byte value="xd"/>
Sie sollte im Bereich %d - %d liegen</translation>
    </message>
    <message>
        <source>Verified: the radio holds the %d bytes written.</source>
        <translation>Geprüft: das Funkgerät enthält die %d geschriebenen Bytes.</translation>
    </message>
    <message>
        <source>Written; the verify was stopped: the radio took all %d blocks, but was not read back.</source>
        <translation>Geschrieben; die Prüfung wurde abgebrochen: das Funkgerät hat alle %d Blöcke angenommen, wurde aber nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>Verify failed: the radio could not be read back (%s). The write may not have reached it: write the radio again.</source>
        <translation>Prüfung fehlgeschlagen: das Funkgerät konnte nicht zurückgelesen werden (%s). Das Schreiben hat es womöglich nicht erreicht: das Funkgerät erneut schreiben.</translation>
    </message>
    <message>
        <source>this model</source>
        <translation>dieses Modell</translation>
    </message>
    <message>
        <source>channel %d: step %s kHz does not fit %s; kept %s kHz</source>
        <translation>Kanal %d: Schrittweite %s kHz passt nicht zu %s; %s kHz beibehalten</translation>
    </message>
    <message>
        <source>channel %d: no frequency; signalling kept</source>
        <translation>Kanal %d: keine Frequenz; Signalisierung beibehalten</translation>
    </message>
    <message>
        <source>byte 0x%03X: the radio holds %02X, the plan writes %02X</source>
        <translation>Byte 0x%03X: das Funkgerät enthält %02X, die Konfiguration schreibt %02X</translation>
    </message>
    <message>
        <source>Fail to open PORT%d</source>
        <translation>COM%d kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Fail to open %s</source>
        <translation>%s kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>byte 0x%03X: the backup holds %02X, the radio&apos;s firmware takes %02X (every write sets it)</source>
        <translation>Byte 0x%03X: die Sicherung enthält %02X, die Firmware des Funkgeräts nimmt %02X (jedes Schreiben setzt ihn)</translation>
    </message>
    <message>
        <source>This file is shorter than a settings file (%zu of %zu bytes): only what it holds was loaded, no channel whole; the rest kept its values. Check the configuration before writing it to a radio.</source>
        <translation>Diese Datei ist kürzer als eine Einstellungsdatei (%zu von %zu Bytes): nur ihr Inhalt wurde geladen, kein Kanal vollständig; der Rest behielt seine Werte. Die Konfiguration prüfen, bevor sie in ein Funkgerät geschrieben wird.</translation>
    </message>
    <message>
        <source>This file is shorter than a settings file (%zu of %zu bytes): only what it holds was loaded, channels 1 to %zu whole; the rest kept its values. Check the configuration before writing it to a radio.</source>
        <translation>Diese Datei ist kürzer als eine Einstellungsdatei (%zu von %zu Bytes): nur ihr Inhalt wurde geladen, Kanäle 1 bis %zu vollständig; der Rest behielt seine Werte. Die Konfiguration prüfen, bevor sie in ein Funkgerät geschrieben wird.</translation>
    </message>
    <message>
        <source>This file is shorter than a settings file (%zu of %zu bytes): only what it holds was loaded; the rest kept its values. Check the configuration before writing it to a radio.</source>
        <translation>Diese Datei ist kürzer als eine Einstellungsdatei (%zu von %zu Bytes): nur ihr Inhalt wurde geladen; der Rest behielt seine Werte. Die Konfiguration prüfen, bevor sie in ein Funkgerät geschrieben wird.</translation>
    </message>
    <message>
        <source>Valid Range : %s to %sMHz</source>
        <translation>Gültiger Bereich: %s bis %s MHz</translation>
    </message>
    <message>
        <source>Valid Range %s to %sMHz</source>
        <translation>Gültiger Bereich: %s bis %s MHz</translation>
    </message>
    <message>
        <source>Valid Settings 300 - 3000 Hz</source>
        <translation>Gültige Werte 300 - 3000 Hz</translation>
    </message>
    <message>
        <source>Valid Settings 100 - 10000 ms</source>
        <translation>Gültige Werte 100 - 10000 ms</translation>
    </message>
    <message>
        <source>Valid Settings 20 to 400</source>
        <translation>Gültige Werte 20 bis 400</translation>
    </message>
    <message>
        <source>Valid Settings 30 to 260</source>
        <translation>Gültige Werte 30 bis 260</translation>
    </message>
    <message>
        <source>%s %s is a stored number the page cannot take</source>
        <translation>%s %s ist eine gespeicherte Zahl, die die Seite nicht annehmen kann</translation>
    </message>
    <message>
        <source>%s %s fitted to %s</source>
        <translation>%s %s angepasst auf %s</translation>
    </message>
    <message>
        <source>%s; kept %s</source>
        <translation>%s; beibehalten: %s</translation>
    </message>
    <message>
        <source>%s; now holds %s</source>
        <translation>%s; enthält jetzt %s</translation>
    </message>
    <message>
        <source>%s signalling kept as it was: %s</source>
        <translation>%s-Signalisierung unverändert beibehalten: %s</translation>
    </message>
    <message>
        <source>channel %d: %s</source>
        <translation>Kanal %d: %s</translation>
    </message>
    <message>
        <source>this model has no such step</source>
        <translation>dieses Modell hat keine solche Schrittweite</translation>
    </message>
    <message>
        <source>the frequencies are not on its grid</source>
        <translation>die Frequenzen liegen nicht in ihrem Raster</translation>
    </message>
    <message>
        <source>%s &apos;%s&apos; is no frequency</source>
        <translation>%s „%s“ ist keine Frequenz</translation>
    </message>
    <message>
        <source>%s %.5f is outside %.0f–%.0f MHz</source>
        <translation>%s %.5f liegt außerhalb von %.0f–%.0f MHz</translation>
    </message>
    <message>
        <source>%s %s refused (%s)</source>
        <translation>%s %s abgelehnt (%s)</translation>
    </message>
    <message>
        <source>%s %s stored as %s</source>
        <translation>%s %s gespeichert als %s</translation>
    </message>
    <message>
        <source>this model has no two-tone</source>
        <translation>dieses Modell hat kein Zweiton</translation>
    </message>
    <message>
        <source>two-tone is locked (unlock it with the access code, Ctrl+Shift+T)</source>
        <translation>Zweiton ist gesperrt (mit dem Zugangscode freischalten, Strg+Umschalt+T)</translation>
    </message>
    <message>
        <source>%s two-tone: %s</source>
        <translation>%s Zweiton: %s</translation>
    </message>
    <message>
        <source>The column &apos;%s&apos; names no channel value and was left out; the columns are %s.</source>
        <translation>Die Spalte „%s“ benennt keinen Kanalwert und wurde ausgelassen; die Spalten sind %s.</translation>
    </message>
    <message>
        <source>1 row did not fit below channel 16 and was left out.</source>
        <translation>1 Zeile passte nicht mehr unter Kanal 16 und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>%d rows did not fit below channel 16 and were left out.</source>
        <translation>%d Zeilen passten nicht mehr unter Kanal 16 und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>backups</source>
        <translation>die Sicherungen</translation>
    </message>
    <message>
        <source>no folder for %s: set HOME, or %s to an absolute path</source>
        <translation>kein Ordner für %s: HOME setzen oder %s auf einen absoluten Pfad</translation>
    </message>
    <message>
        <source>cannot create %s: %s</source>
        <translation>%s kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>serial traces</source>
        <translation>die seriellen Mitschnitte</translation>
    </message>
    <message>
        <source>the transfer log</source>
        <translation>das Übertragungsprotokoll</translation>
    </message>
    <message>
        <source>hang-on time code </source>
        <translation>Haltezeit-Code </translation>
    </message>
    <message>
        <source>%s (low byte)</source>
        <translation>%s (niederwertiges Byte)</translation>
    </message>
    <message>
        <source>%s (high byte)</source>
        <translation>%s (höherwertiges Byte)</translation>
    </message>
    <message>
        <source>%s (byte %d of %d)</source>
        <translation>%s (Byte %d von %d)</translation>
    </message>
    <message>
        <source>%s (bit %d)</source>
        <translation>%s (Bit %d)</translation>
    </message>
    <message>
        <source>%s (bits %d-%d)</source>
        <translation>%s (Bits %d-%d)</translation>
    </message>
    <message>
        <source>Channel %d: %s, lower</source>
        <translation>Kanal %d: %s, unterer Wert</translation>
    </message>
    <message>
        <source>Channel %d: %s, upper</source>
        <translation>Kanal %d: %s, oberer Wert</translation>
    </message>
    <message>
        <source>Channel %d: %s</source>
        <translation>Kanal %d: %s</translation>
    </message>
    <message>
        <source>Channel %d two-tone: %s</source>
        <translation>Kanal %d Zweiton: %s</translation>
    </message>
    <message>
        <source>Unused (always 0)</source>
        <translation>Unbenutzt (immer 0)</translation>
    </message>
    <message>
        <source>Flags: %s</source>
        <translation>Flags: %s</translation>
    </message>
    <message>
        <source>busy-port squelch</source>
        <translation>Rauschsperre per Belegt-Eingang</translation>
    </message>
    <message>
        <source>hang-on</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>TX time-out on</source>
        <translation>Sendezeitbegrenzung ein</translation>
    </message>
    <message>
        <source>TX delay</source>
        <translation>Sendeverzögerung</translation>
    </message>
    <message>
        <source>busy channel lockout</source>
        <translation>Sendesperre bei belegtem Kanal</translation>
    </message>
    <message>
        <source>TX on matched signalling</source>
        <translation>Senden nur bei passender Signalisierung</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>any channel scans</source>
        <translation>ein Kanal im Suchlauf</translation>
    </message>
    <message>
        <source>TX time-out</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>scan list, channels 1-8</source>
        <translation>Suchlaufliste, Kanäle 1-8</translation>
    </message>
    <message>
        <source>scan list, channels 9-16</source>
        <translation>Suchlaufliste, Kanäle 9-16</translation>
    </message>
    <message>
        <source>scan delay</source>
        <translation>Suchlauf-Verzögerung</translation>
    </message>
    <message>
        <source>always set</source>
        <translation>immer gesetzt</translation>
    </message>
    <message>
        <source>UHF model</source>
        <translation>UHF-Modell</translation>
    </message>
    <message>
        <source>PLL IC MB15A02SL</source>
        <translation>PLL-IC MB15A02SL</translation>
    </message>
    <message>
        <source>scan speed</source>
        <translation>Suchlauf-Tempo</translation>
    </message>
    <message>
        <source>power save on</source>
        <translation>Stromsparen ein</translation>
    </message>
    <message>
        <source>power-save delay</source>
        <translation>Stromsparen: Verzögerung</translation>
    </message>
    <message>
        <source>power-save off time</source>
        <translation>Stromsparen: Auszeit</translation>
    </message>
    <message>
        <source>power-save on time</source>
        <translation>Stromsparen: Einzeit</translation>
    </message>
    <message>
        <source>programmed channels 1-8</source>
        <translation>programmierte Kanäle 1-8</translation>
    </message>
    <message>
        <source>programmed channels 9-16</source>
        <translation>programmierte Kanäle 9-16</translation>
    </message>
    <message>
        <source>first programmed channel</source>
        <translation>erster programmierter Kanal</translation>
    </message>
    <message>
        <source>last programmed channel</source>
        <translation>letzter programmierter Kanal</translation>
    </message>
    <message>
        <source>TX tone for data</source>
        <translation>TX-Ton für Daten</translation>
    </message>
    <message>
        <source>service byte 2</source>
        <translation>Service-Byte 2</translation>
    </message>
    <message>
        <source>constant 0x23</source>
        <translation>Konstante 0x23</translation>
    </message>
    <message>
        <source>service byte 3 (0x1D)</source>
        <translation>Service-Byte 3 (0x1D)</translation>
    </message>
    <message>
        <source>service byte 4</source>
        <translation>Service-Byte 4</translation>
    </message>
    <message>
        <source>service byte 5</source>
        <translation>Service-Byte 5</translation>
    </message>
    <message>
        <source>service byte 0 (set by the firmware version on a write)</source>
        <translation>Service-Byte 0 (beim Schreiben nach der Firmware-Version gesetzt)</translation>
    </message>
    <message>
        <source>hang-on beep</source>
        <translation>Piepton während der Haltezeit</translation>
    </message>
    <message>
        <source>service byte 1</source>
        <translation>Service-Byte 1</translation>
    </message>
    <message>
        <source>GMSK modem</source>
        <translation>GMSK-Modem</translation>
    </message>
    <message>
        <source>TX forcing</source>
        <translation>TX-Zwangsbetrieb</translation>
    </message>
    <message>
        <source>dumb mode</source>
        <translation>Dumb-Modus</translation>
    </message>
    <message>
        <source>modem on</source>
        <translation>Modem ein</translation>
    </message>
    <message>
        <source>baud code</source>
        <translation>Baudraten-Code</translation>
    </message>
    <message>
        <source>TX on time</source>
        <translation>TX-Einzeit</translation>
    </message>
    <message>
        <source>TX off delay</source>
        <translation>TX-Aus-Verzögerung</translation>
    </message>
    <message>
        <source>RX on delay</source>
        <translation>RX-Ein-Verzögerung</translation>
    </message>
    <message>
        <source>GPS delay</source>
        <translation>GPS-Verzögerung</translation>
    </message>
    <message>
        <source>service byte 6 (0x11)</source>
        <translation>Service-Byte 6 (0x11)</translation>
    </message>
    <message>
        <source>service byte 7 (0x0F)</source>
        <translation>Service-Byte 7 (0x0F)</translation>
    </message>
    <message>
        <source>service bytes 8-11</source>
        <translation>Service-Bytes 8-11</translation>
    </message>
    <message>
        <source>GPS TX time</source>
        <translation>GPS-Sendezeit</translation>
    </message>
    <message>
        <source>GPS cycle</source>
        <translation>GPS-Zyklus</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>schmal</translation>
    </message>
    <message>
        <source>high power</source>
        <translation>hohe Leistung</translation>
    </message>
    <message>
        <source>RX divider N bits 10-8</source>
        <translation>RX-Teiler N Bits 10-8</translation>
    </message>
    <message>
        <source>RX divider N bits 7-0</source>
        <translation>RX-Teiler N Bits 7-0</translation>
    </message>
    <message>
        <source>RX swallow count A</source>
        <translation>RX-Swallow-Zähler A</translation>
    </message>
    <message>
        <source>RX signalling code</source>
        <translation>RX-Signalisierungscode</translation>
    </message>
    <message>
        <source>RX DCS</source>
        <translation>RX DCS</translation>
    </message>
    <message>
        <source>RX CTCSS</source>
        <translation>RX CTCSS</translation>
    </message>
    <message>
        <source>TX VCO band</source>
        <translation>TX-VCO-Band</translation>
    </message>
    <message>
        <source>TX divider N bits 10-8</source>
        <translation>TX-Teiler N Bits 10-8</translation>
    </message>
    <message>
        <source>TX divider N bits 7-0</source>
        <translation>TX-Teiler N Bits 7-0</translation>
    </message>
    <message>
        <source>TX swallow count A</source>
        <translation>TX-Swallow-Zähler A</translation>
    </message>
    <message>
        <source>TX signalling code</source>
        <translation>TX-Signalisierungscode</translation>
    </message>
    <message>
        <source>slot checksum</source>
        <translation>Prüfsumme des Kanalplatzes</translation>
    </message>
    <message>
        <source>preamble size</source>
        <translation>Präambellänge</translation>
    </message>
    <message>
        <source>base block size</source>
        <translation>Basis-Blockgröße</translation>
    </message>
    <message>
        <source>AFSK Bell 202</source>
        <translation>AFSK Bell 202</translation>
    </message>
    <message>
        <source>AFSK modem</source>
        <translation>AFSK-Modem</translation>
    </message>
    <message>
        <source>start bit errors</source>
        <translation>Startbit-Fehler</translation>
    </message>
    <message>
        <source>wait busy time</source>
        <translation>Wartezeit bei Belegt</translation>
    </message>
    <message>
        <source>TX delay time 1</source>
        <translation>TX-Verzögerung 1</translation>
    </message>
    <message>
        <source>KV310 UHF</source>
        <translation>KV310 UHF</translation>
    </message>
    <message>
        <source>init data for HT</source>
        <translation>Init-Daten für HT</translation>
    </message>
    <message>
        <source>flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>TX delay time 2</source>
        <translation>TX-Verzögerung 2</translation>
    </message>
    <message>
        <source>constant 0x40</source>
        <translation>Konstante 0x40</translation>
    </message>
    <message>
        <source>base block</source>
        <translation>Basisblock</translation>
    </message>
    <message>
        <source>squelch off</source>
        <translation>Rauschsperre aus</translation>
    </message>
    <message>
        <source>KV310</source>
        <translation>KV310</translation>
    </message>
    <message>
        <source>service byte 12</source>
        <translation>Service-Byte 12</translation>
    </message>
    <message>
        <source>VHF model (0xFF)</source>
        <translation>VHF-Modell (0xFF)</translation>
    </message>
    <message>
        <source>service byte 13</source>
        <translation>Service-Byte 13</translation>
    </message>
    <message>
        <source>external modulation</source>
        <translation>externe Modulation</translation>
    </message>
    <message>
        <source>model row</source>
        <translation>Modellzeile</translation>
    </message>
    <message>
        <source>sub-band</source>
        <translation>Teilband</translation>
    </message>
    <message>
        <source>tone A tolerance</source>
        <translation>Toleranz Ton A</translation>
    </message>
    <message>
        <source>tone B tolerance</source>
        <translation>Toleranz Ton B</translation>
    </message>
    <message>
        <source>two-tone coefficients</source>
        <translation>Zweiton-Koeffizienten</translation>
    </message>
    <message>
        <source>tone A coefficient X_A</source>
        <translation>Ton A Koeffizient X_A</translation>
    </message>
    <message>
        <source>tone A duration count D_A</source>
        <translation>Ton A Dauerzähler D_A</translation>
    </message>
    <message>
        <source>tone B coefficient X_B</source>
        <translation>Ton B Koeffizient X_B</translation>
    </message>
    <message>
        <source>tone B duration count D_B</source>
        <translation>Ton B Dauerzähler D_B</translation>
    </message>
    <message>
        <source>tone A multiplier K_A</source>
        <translation>Ton A Multiplikator K_A</translation>
    </message>
    <message>
        <source>tone B multiplier K_B</source>
        <translation>Ton B Multiplikator K_B</translation>
    </message>
    <message>
        <source>{file} could not be written: {reason}. Nothing on the disk was changed; free some space or choose another place with File &gt; Save As.</source>
        <translation>{file} konnte nicht geschrieben werden: {reason}. Auf dem Datenträger wurde nichts verändert; Platz freigeben oder mit Datei &gt; Speichern unter einen anderen Ort wählen.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Kanal %d %s</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>breit</translation>
    </message>
    <message>
        <source>RX signalling</source>
        <translation>RX-Signalisierung</translation>
    </message>
    <message>
        <source>TX signalling</source>
        <translation>TX-Signalisierung</translation>
    </message>
    <message>
        <source>model and sub-band</source>
        <translation>Modell und Teilband</translation>
    </message>
    <message>
        <source>squelch type</source>
        <translation>Rauschsperrentyp</translation>
    </message>
    <message>
        <source>modem type</source>
        <translation>Modemtyp</translation>
    </message>
    <message>
        <source>baud rates</source>
        <translation>Baudraten</translation>
    </message>
    <message>
        <source>Channel %d scan</source>
        <translation>Kanal %d Suchlauf</translation>
    </message>
    <message>
        <source>%s: plan %s, radio %s</source>
        <translation>%s: Plan %s, Funkgerät %s</translation>
    </message>
    <message>
        <source>Reading what the radio holds...</source>
        <translation>Inhalt des Funkgeräts wird gelesen...</translation>
    </message>
    <message>
        <source>%s (the radio could not be read first), so nothing was written</source>
        <translation>%s (das Funkgerät konnte nicht zuerst gelesen werden), daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The whole image goes out: the radio&apos;s own bytes are reset to the plan&apos;s, its calibration (service bytes 0-11) and its synthesizer chip flag among them.</source>
        <translation>Das ganze Abbild wird gesendet: Die eigenen Bytes des Funkgeräts werden auf die des Plans zurückgesetzt, darunter sein Abgleich (Servicebytes 0-11) und das Kennzeichen seines Synthesizer-Chips.</translation>
    </message>
    <message>
        <source>; and %d more</source>
        <translation>; und %d weitere</translation>
    </message>
    <message>
        <source>Verify failed: the radio took every byte, but reads back as another configuration than the plan: %s. Write the whole image (it resets the radio&apos;s own bytes) or have the radio serviced.</source>
        <translation>Prüfung fehlgeschlagen: Das Funkgerät hat jedes Byte angenommen, liest sich aber als eine andere Konfiguration als der Plan: %s. Das ganze Abbild schreiben (es setzt die eigenen Bytes des Funkgeräts zurück) oder das Funkgerät warten lassen.</translation>
    </message>
    <message>
        <source>Left out, Location %s: %s.</source>
        <translation>Ausgelassen, Location %s: %s.</translation>
    </message>
    <message>
        <source>channel %d (Location %s): %s</source>
        <translation>Kanal %d (Location %s): %s</translation>
    </message>
    <message>
        <source>The radio keeps no channel names or comments; the list&apos;s were left out.</source>
        <translation>Das Funkgerät speichert keine Kanalnamen oder Kommentare; die der Liste wurden ausgelassen.</translation>
    </message>
    <message>
        <source>CrossMode &apos;%s&apos; is unknown</source>
        <translation>CrossMode &apos;%s&apos; ist unbekannt</translation>
    </message>
    <message>
        <source>%s (reverse squelch) is one the radio lacks</source>
        <translation>%s (umgekehrte Rauschsperre) hat das Funkgerät nicht</translation>
    </message>
    <message>
        <source>Tone &apos;%s&apos; is unknown</source>
        <translation>Tone &apos;%s&apos; ist unbekannt</translation>
    </message>
    <message>
        <source>the radio has no CTCSS tone &apos;%s&apos;</source>
        <translation>das Funkgerät hat keinen CTCSS-Ton &apos;%s&apos;</translation>
    </message>
    <message>
        <source>the radio has no DCS code &apos;%s&apos;</source>
        <translation>das Funkgerät hat keinen DCS-Code &apos;%s&apos;</translation>
    </message>
    <message>
        <source>DCS code %s is inverted (DtcsPolarity %s); the radio sends and hears codes only as they are</source>
        <translation>DCS-Code %s ist invertiert (DtcsPolarity %s); das Funkgerät sendet und empfängt Codes nur unverändert</translation>
    </message>
    <message>
        <source>Frequency &apos;%s&apos; is no frequency</source>
        <translation>Frequency &apos;%s&apos; ist keine Frequenz</translation>
    </message>
    <message>
        <source>Offset &apos;%s&apos; is no frequency</source>
        <translation>Offset &apos;%s&apos; ist keine Frequenz</translation>
    </message>
    <message>
        <source>Duplex &apos;%s&apos; is unknown</source>
        <translation>Duplex &apos;%s&apos; ist unbekannt</translation>
    </message>
    <message>
        <source>%s outside the band, %.0f–%.0f MHz</source>
        <translation>%s außerhalb des Bands, %.0f–%.0f MHz</translation>
    </message>
    <message>
        <source>%s/%s MHz lie on no step of the radio; fitted to %s/%s</source>
        <translation>%s/%s MHz liegen auf keiner Schrittweite des Funkgeräts; angepasst auf %s/%s</translation>
    </message>
    <message>
        <source>TStep %s kHz: %s kHz taken</source>
        <translation>TStep %s kHz: %s kHz übernommen</translation>
    </message>
    <message>
        <source>%s is a mode the radio lacks</source>
        <translation>%s ist eine Betriebsart, die das Funkgerät nicht hat</translation>
    </message>
    <message>
        <source>fitted to a step, it falls outside the band</source>
        <translation>auf eine Schrittweite angepasst, liegt sie außerhalb des Bands</translation>
    </message>
    <message>
        <source>No row of the list went into a channel.</source>
        <translation>Keine Zeile der Liste kam in einen Kanal.</translation>
    </message>
    <message>
        <source>1 row went into the channel its Location names.</source>
        <translation>1 Zeile kam in den Kanal, den ihre Location nennt.</translation>
    </message>
    <message>
        <source>1 row went into channel 1.</source>
        <translation>1 Zeile kam in Kanal 1.</translation>
    </message>
    <message>
        <source>%zu rows went into the channels their Locations name.</source>
        <translation>%zu Zeilen kamen in die Kanäle, die ihre Locations nennen.</translation>
    </message>
    <message>
        <source>%zu rows went into channels 1 to %zu in the list&apos;s order.</source>
        <translation>%zu Zeilen kamen in der Reihenfolge der Liste in die Kanäle 1 bis %zu.</translation>
    </message>
    <message>
        <source>no channel left (the radio has 16)</source>
        <translation>kein Kanal mehr frei (das Funkgerät hat 16)</translation>
    </message>
    <message>
        <source>Left out, Locations %s: %s.</source>
        <translation>Ausgelassen, Locations %s: %s.</translation>
    </message>
    <message>
        <source>channel %d: CHIRP has no column for two-tone on receive; written without it</source>
        <translation>Kanal %d: CHIRP hat keine Spalte für Zweiton beim Empfang; ohne ihn geschrieben</translation>
    </message>
    <message>
        <source>Power &apos;%s&apos; taken as high</source>
        <translation>Power &apos;%s&apos; als hohe Leistung übernommen</translation>
    </message>
    <message>
        <source>Power &apos;%s&apos; taken as low</source>
        <translation>Power &apos;%s&apos; als niedrige Leistung übernommen</translation>
    </message>
    <message>
        <source>Channel %d: %s MHz is outside %s–%s MHz</source>
        <translation>Kanal %d: %s MHz liegt außerhalb von %s–%s MHz</translation>
    </message>
    <message>
        <source>channel %d %s</source>
        <translation>Kanal %d %s</translation>
    </message>
    <message>
        <source>A radio transfer is running.<byte value="xd"/>
<byte value="xd"/>
Stop it and close the program? A write stopped now leaves the radio holding a partly written configuration until it is written again.</source>
        <translation>Eine Übertragung zum Funkgerät läuft.<byte value="xd"/>
<byte value="xd"/>
Sie abbrechen und das Programm schließen? Ein jetzt abgebrochenes Schreiben hinterlässt im Funkgerät eine teilweise geschriebene Konfiguration, bis es erneut geschrieben wird.</translation>
    </message>
    <message>
        <source>Stop writing the radios now? A radio stopped half-way holds a partly written configuration until it is written again.</source>
        <translation>Das Schreiben der Funkgeräte jetzt abbrechen? Ein mittendrin gestopptes Funkgerät enthält eine teilweise geschriebene Konfiguration, bis es erneut geschrieben wird.</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Schreiben abgebrochen</translation>
    </message>
    <message>
        <source>service byte %d: radio %02X, backup %02X — this radio&apos;s calibration</source>
        <translation>Servicebyte %d: Funkgerät %02X, Sicherung %02X — der Abgleich dieses Funkgeräts</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
</TS>
