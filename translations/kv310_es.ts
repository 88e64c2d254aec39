<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<!-- Translations of KV310 PC Programmer for radio technicians. Review by native speakers is welcome:
     see "Contributing a translation" in README.md. -->
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Programs the KV310 and KV330 16-channel VHF/UHF data radios:
channels, signalling, modem, GPS reporting and system options.</source>
        <translation>Programa los radios de datos VHF/UHF de 16 canales KV310 y KV330:
canales, señalización, módem, reporte GPS y opciones del sistema.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Compilado con Qt %1.</translation>
    </message>
    <message>
        <source>About Data Radio PC Programmer</source>
        <translation>Acerca de Data Radio PC Programmer</translation>
    </message>
</context>
<context>
    <name>CBulkEditDlg</name>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Editar canales seleccionados</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Kept only on channels whose frequencies lie on the step&apos;s grid</source>
        <translation>Solo se aplica a los canales cuyas frecuencias caen en la rejilla del paso</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(sin cambios)</translation>
    </message>
    <message>
        <source>&amp;Bandwidth</source>
        <translation>&amp;Ancho de banda</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>&amp;Potencia</translation>
    </message>
    <message>
        <source>&amp;Scan member</source>
        <translation>&amp;En rastreo</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pa&amp;so</translation>
    </message>
    <message>
        <source>&amp;RX signalling</source>
        <translation>Señalización &amp;RX</translation>
    </message>
    <message>
        <source>T&amp;X signalling</source>
        <translation>Señalización T&amp;X</translation>
    </message>
</context>
<context>
    <name>CBusyState</name>
    <message>
        <source>This cannot be done while %1 is running. Wait until it has finished, or cancel it in its window.</source>
        <translation>No se puede hacer mientras %1 está en curso. Espere a que termine o cancélelo en su ventana.</translation>
    </message>
</context>
<context>
    <name>CCalibrationDlg</name>
    <message>
        <source>Radio channel</source>
        <translation>Canal del radio</translation>
    </message>
    <message>
        <source>Set the radio channel</source>
        <translation>Fijar el canal del radio</translation>
    </message>
    <message>
        <source>Transmit mode</source>
        <translation>Modo transmisión</translation>
    </message>
    <message>
        <source>Scan stop</source>
        <translation>Detener rastreo</translation>
    </message>
    <message>
        <source>Scan start</source>
        <translation>Iniciar rastreo</translation>
    </message>
    <message>
        <source>Scan delete</source>
        <translation>Borrar rastreo</translation>
    </message>
    <message>
        <source>Send the scan choice</source>
        <translation>Enviar la opción de rastreo</translation>
    </message>
    <message>
        <source>GPS power</source>
        <translation>Alimentación GPS</translation>
    </message>
    <message>
        <source>GPS data off</source>
        <translation>Datos GPS apagados</translation>
    </message>
    <message>
        <source>GPS data to the external output</source>
        <translation>Datos GPS a la salida externa</translation>
    </message>
    <message>
        <source>GPS data to the external output and RF transmission</source>
        <translation>Datos GPS a la salida externa y por RF</translation>
    </message>
    <message>
        <source>Modem test data</source>
        <translation>Datos de prueba del módem</translation>
    </message>
    <message>
        <source>GMSK alignment</source>
        <translation>Ajuste GMSK</translation>
    </message>
    <message>
        <source>FFSK alignment</source>
        <translation>Ajuste FFSK</translation>
    </message>
    <message>
        <source>FFSK space tone</source>
        <translation>Tono space FFSK</translation>
    </message>
    <message>
        <source>FFSK mark tone</source>
        <translation>Tono mark FFSK</translation>
    </message>
    <message>
        <source>GMSK alignment transmit</source>
        <translation>Transmitir ajuste GMSK</translation>
    </message>
    <message>
        <source>Modem firmware upgrade mode</source>
        <translation>Actualización del firmware del módem</translation>
    </message>
    <message>
        <source>Reset the radio</source>
        <translation>Reiniciar el radio</translation>
    </message>
    <message>
        <source> Disable</source>
        <translation> Desactivado</translation>
    </message>
    <message>
        <source> External Output Disable</source>
        <translation> Salida externa desactivada</translation>
    </message>
    <message>
        <source> RF Transmission Disable</source>
        <translation> Transmisión RF desactivada</translation>
    </message>
    <message>
        <source> Enable</source>
        <translation> Activado</translation>
    </message>
    <message>
        <source> External Output Enable</source>
        <translation> Salida externa activada</translation>
    </message>
    <message>
        <source> RF Transmission Enable</source>
        <translation> Transmisión RF activada</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRACIÓN</translation>
    </message>
    <message>
        <source> CALIBRATION </source>
        <translation> CALIBRACIÓN </translation>
    </message>
    <message>
        <source>SET</source>
        <translation>FIJAR</translation>
    </message>
    <message>
        <source>1. Change Channel </source>
        <translation>1. Cambiar canal </translation>
    </message>
    <message>
        <source>Rx Mode</source>
        <translation>Modo RX</translation>
    </message>
    <message>
        <source>2. RTX_Mode</source>
        <translation>2. Modo RX/TX</translation>
    </message>
    <message>
        <source>Scan Stop</source>
        <translation>Parar rastreo</translation>
    </message>
    <message>
        <source>Scan Start</source>
        <translation>Iniciar rastreo</translation>
    </message>
    <message>
        <source>Scan Delete</source>
        <translation>Borrar rastreo</translation>
    </message>
    <message>
        <source>3. Scan_Mode</source>
        <translation>3. Rastreo</translation>
    </message>
    <message>
        <source>Power Disable</source>
        <translation>Alimentación apagada</translation>
    </message>
    <message>
        <source>4. GPS</source>
        <translation>4. GPS</translation>
    </message>
    <message>
        <source>5. GPS Data</source>
        <translation>5. Datos GPS</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>6. Modem Test Data</source>
        <translation>6. Datos de prueba del módem</translation>
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
        <translation>Space desactivado</translation>
    </message>
    <message>
        <source>Mark Disable</source>
        <translation>Mark desactivado</translation>
    </message>
    <message>
        <source> Tx Disable</source>
        <translation> TX desactivada</translation>
    </message>
    <message>
        <source>7. Alignment test </source>
        <translation>7. Prueba de ajuste </translation>
    </message>
    <message>
        <source>8. Modem Firmware Upgrade</source>
        <translation>8. Actualizar firmware del módem</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>REINICIAR</translation>
    </message>
    <message>
        <source>9. Radio Reset</source>
        <translation>9. Reiniciar radio</translation>
    </message>
    <message>
        <source>Tx Mode</source>
        <translation>Modo TX</translation>
    </message>
    <message>
        <source>Power Enable</source>
        <translation>Alimentación encendida</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>TX activada</translation>
    </message>
    <message>
        <source>Tx Disable</source>
        <translation>TX desactivada</translation>
    </message>
    <message>
        <source>Mark Enable</source>
        <translation>Mark activado</translation>
    </message>
    <message>
        <source>Space Enable</source>
        <translation>Space activado</translation>
    </message>
</context>
<context>
    <name>CChangeMapDlg</name>
    <message>
        <source>Access code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>Check the access code</source>
        <translation>Comprobar el código de acceso</translation>
    </message>
    <message>
        <source>&amp;Access code:</source>
        <translation>&amp;Código de acceso:</translation>
    </message>
    <message>
        <source>EEPROM address</source>
        <translation>Dirección EEPROM</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Value (hex) of EEPROM address %1</source>
        <translation>Valor (hex) de la dirección EEPROM %1</translation>
    </message>
    <message>
        <source>&amp;Value (hex):</source>
        <translation>&amp;Valor (hex):</translation>
    </message>
    <message>
        <source> CHANGE EEPROM MAP</source>
        <translation> CAMBIAR MAPA EEPROM</translation>
    </message>
    <message>
        <source> Do you want to change EEPROM map?</source>
        <translation> ¿Desea cambiar el mapa EEPROM?</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INTRODUCIR</translation>
    </message>
</context>
<context>
    <name>CChannelOptionDlg</name>
    <message>
        <source>No Option</source>
        <translation>Sin opción</translation>
    </message>
    <message>
        <source>RX CTCSS tone</source>
        <translation>Tono CTCSS de RX</translation>
    </message>
    <message>
        <source>RX DCS code</source>
        <translation>Código DCS de RX</translation>
    </message>
    <message>
        <source>Two Tone</source>
        <translation>Dos tonos</translation>
    </message>
    <message>
        <source>Two-tone data</source>
        <translation>Datos de dos tonos</translation>
    </message>
    <message>
        <source>TX CTCSS tone</source>
        <translation>Tono CTCSS de TX</translation>
    </message>
    <message>
        <source>TX DCS code</source>
        <translation>Código DCS de TX</translation>
    </message>
    <message>
        <source>CHANNEL OPTION</source>
        <translation>OPCIONES DEL CANAL</translation>
    </message>
    <message>
        <source># CHANNEL</source>
        <translation># CANAL</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source> RX OPTION </source>
        <translation> OPCIÓN RX </translation>
    </message>
    <message>
        <source> TX OPTION </source>
        <translation> OPCIÓN TX </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CChannelPage</name>
    <message>
        <source>Channel Configuration</source>
        <translation>Configuración de canales</translation>
    </message>
    <message>
        <source>Time out Timer</source>
        <translation>Límite de TX</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Hang Timer</source>
        <translation>Retención</translation>
    </message>
    <message>
        <source>ms.</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Busy channel lockout</source>
        <translation>Bloqueo por canal ocupado</translation>
    </message>
    <message>
        <source>Enables Tx matched SAT</source>
        <translation>Permitir TX con tono coincidente</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Retardo TX</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>Power save RX off time, ms</source>
        <translation>Ahorro: tiempo RX apagado, ms</translation>
    </message>
    <message>
        <source>Power save RX on time, ms</source>
        <translation>Ahorro: tiempo RX encendido, ms</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>RX apagado</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>RX encendido</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Rx Freq(MHz)</source>
        <translation>Frecuencia RX (MHz)</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>frecuencia RX</translation>
    </message>
    <message>
        <source>RxOption</source>
        <translation>Opción RX</translation>
    </message>
    <message>
        <source>RX option</source>
        <translation>opción RX</translation>
    </message>
    <message>
        <source>Tx Freq(MHz)</source>
        <translation>Frecuencia TX (MHz)</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>frecuencia TX</translation>
    </message>
    <message>
        <source>TxOption</source>
        <translation>Opción TX</translation>
    </message>
    <message>
        <source>TX option</source>
        <translation>opción TX</translation>
    </message>
    <message>
        <source>BW</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>ancho de banda</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Potencia TX</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>potencia TX</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rastreo</translation>
    </message>
    <message>
        <source>scan member</source>
        <translation>en rastreo</translation>
    </message>
    <message>
        <source>Channel %1 %2</source>
        <translation>Canal %1 %2</translation>
    </message>
    <message>
        <source>A frequency field takes one number; the clipboard holds &quot;%1&quot;. To paste channel rows, click a channel number first.</source>
        <translation>Un campo de frecuencia admite un solo número; el portapapeles contiene «%1». Para pegar filas de canales, haga clic primero en un número de canal.</translation>
    </message>
    <message>
        <source>Time out Timer, seconds</source>
        <translation>Límite de TX, segundos</translation>
    </message>
    <message>
        <source>Hang Timer, ms</source>
        <translation>Retención, ms</translation>
    </message>
    <message>
        <source>Power save Delay Time, seconds</source>
        <translation>Ahorro: retardo, segundos</translation>
    </message>
</context>
<context>
    <name>CChannelSelection</name>
    <message>
        <source>Channel %1, selected</source>
        <translation>Canal %1, seleccionado</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Click or press Space to select the row for the Edit menu; Shift and Ctrl extend the selection. Shift+Space in any control of a row comes here.</source>
        <translation>Haga clic o pulse Espacio para seleccionar la fila para el menú Editar; Mayús y Ctrl amplían la selección. Mayús+Espacio en cualquier control de una fila lleva aquí.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with File</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Campos diferentes</translation>
    </message>
    <message>
        <source>The configuration in the program and %1 are the same.</source>
        <translation>La configuración del programa y %1 son iguales.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) between the configuration in the program (left) and %1 (right):</source>
        <translation>
            <numerusform>%n diferencia entre la configuración del programa (izquierda) y %1 (derecha):</numerusform>
            <numerusform>%n diferencias entre la configuración del programa (izquierda) y %1 (derecha):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDisplayMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>Show the window in this language from the next start</source>
        <translation>Mostrar la ventana en este idioma desde el próximo inicio</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Apariencia</translation>
    </message>
    <message>
        <source>L&amp;ight</source>
        <translation>&amp;Clara</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscura</translation>
    </message>
    <message>
        <source>Draw the window in light or dark colours</source>
        <translation>Dibujar la ventana en colores claros u oscuros</translation>
    </message>
    <message>
        <source>The window shows the language chosen when the program starts again.</source>
        <translation>La ventana mostrará el idioma elegido cuando el programa se inicie de nuevo.</translation>
    </message>
    <message>
        <source>The choice cannot be remembered: %1 cannot be written. It holds until the program ends.</source>
        <translation>No se puede guardar la elección: no se puede escribir %1. Vale hasta que el programa termine.</translation>
    </message>
    <message>
        <source>the settings folder</source>
        <translation>la carpeta de configuración</translation>
    </message>
</context>
<context>
    <name>CEditCommands</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>BAND</source>
        <translation>BANDA</translation>
    </message>
    <message>
        <source>EEPROM Byte Edit</source>
        <translation>Editar byte de EEPROM</translation>
    </message>
    <message>
        <source>Read Radio</source>
        <translation>Leer radio</translation>
    </message>
    <message>
        <source>Radio Transfer</source>
        <translation>Transferencia con el radio</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>The row commands work on the Channel page (View &gt; Channel).</source>
        <translation>Las órdenes de fila actúan en la página de canales (Ver &gt; Canal).</translation>
    </message>
    <message>
        <source>Copied %1.</source>
        <translation>%1 copiado.</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Cortar %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Pegar %1</translation>
    </message>
    <message>
        <source>Pasted %1.</source>
        <translation>%1 pegado.</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Insert Channel %1</source>
        <translation>Insertar canal %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Channel 1 is the top row.</source>
        <translation>El canal 1 es la fila superior.</translation>
    </message>
    <message>
        <source>Channel 16 is the bottom row.</source>
        <translation>El canal 16 es la fila inferior.</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Select channels first: click a channel number (Shift or Ctrl to add more), or press Shift+Space in a row.</source>
        <translation>Seleccione primero los canales: haga clic en un número de canal (Mayús o Ctrl para añadir más) o pulse Mayús+Espacio en una fila.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Deshecho: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rehecho: %1.</translation>
    </message>
    <message>
        <source>Cut %1.</source>
        <translation>Cortado: %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>No se pegó nada.</translation>
    </message>
    <message>
        <source>Pasted %1; nothing changed.</source>
        <translation>Pegado: %1; no cambió nada.</translation>
    </message>
    <message>
        <source>Without a header the columns were read as %1.</source>
        <translation>Sin encabezado, las columnas se leyeron como %1.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>Borrado: %1.</translation>
    </message>
    <message>
        <source>Nothing was inserted.</source>
        <translation>No se insertó nada.</translation>
    </message>
    <message>
        <source>Inserted an empty Channel %1; the channels below moved down.</source>
        <translation>Se insertó un canal %1 vacío; los canales de abajo bajaron una fila.</translation>
    </message>
    <message>
        <source>Removed %1; the channels below moved up.</source>
        <translation>Quitado: %1; los canales de abajo subieron una fila.</translation>
    </message>
    <message>
        <source>Moved %1 up.</source>
        <translation>Movido hacia arriba: %1.</translation>
    </message>
    <message>
        <source>Moved %1 down.</source>
        <translation>Movido hacia abajo: %1.</translation>
    </message>
    <message>
        <source>Nothing was edited.</source>
        <translation>No se editó nada.</translation>
    </message>
    <message>
        <source>Edited %1.</source>
        <translation>Editado: %1.</translation>
    </message>
    <message>
        <source>Some channels kept a value:</source>
        <translation>Algunos canales conservaron un valor:</translation>
    </message>
    <message>
        <source>Undo the last change to the settings</source>
        <translation>Deshacer el último cambio de la configuración</translation>
    </message>
    <message>
        <source>Do again what was undone</source>
        <translation>Volver a hacer lo que se deshizo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Copy the selected channels and empty them</source>
        <translation>Copiar los canales seleccionados y vaciarlos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selected channels, for a spreadsheet or another plan</source>
        <translation>Copiar los canales seleccionados, para una hoja de cálculo u otra configuración</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste channel rows into the selected channels, through the page&apos;s checks (in a text field: paste into the field)</source>
        <translation>Pegar filas de canales en los canales seleccionados, con las comprobaciones de la página (en un campo de texto: pegar en el campo)</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>&amp;Borrar canal</translation>
    </message>
    <message>
        <source>Empty the selected channels</source>
        <translation>Vaciar los canales seleccionados</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>I&amp;nsertar canal</translation>
    </message>
    <message>
        <source>Insert an empty channel; the channels below move down</source>
        <translation>Insertar un canal vacío; los canales de abajo bajan una fila</translation>
    </message>
    <message>
        <source>Re&amp;move Channel</source>
        <translation>&amp;Quitar canal</translation>
    </message>
    <message>
        <source>Remove the selected channels; the channels below move up</source>
        <translation>Quitar los canales seleccionados; los canales de abajo suben una fila</translation>
    </message>
    <message>
        <source>M&amp;ove Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move the selected channels up one row</source>
        <translation>Subir una fila los canales seleccionados</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>B&amp;ajar</translation>
    </message>
    <message>
        <source>Move the selected channels down one row</source>
        <translation>Bajar una fila los canales seleccionados</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Channels...</source>
        <translation>&amp;Editar canales seleccionados...</translation>
    </message>
    <message>
        <source>Set bandwidth, power, scan, step or signalling of every selected channel at once</source>
        <translation>Fijar a la vez el ancho de banda, la potencia, el rastreo, el paso o la señalización de todos los canales seleccionados</translation>
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
Cambiado desde que se borraron las marcas por última vez.</translation>
    </message>
    <message>
        <source>
Edited by hand: every write sends this value until Clear Changes.</source>
        <translation>
Editado a mano: cada escritura envía este valor hasta «Borrar cambios».</translation>
    </message>
    <message>
        <source>Byte %1 of the row</source>
        <translation>Byte %1 de la fila</translation>
    </message>
    <message>
        <source>Addresses %1 to %2</source>
        <translation>Direcciones %1 a %2</translation>
    </message>
</context>
<context>
    <name>CEepromPage</name>
    <message>
        <source>EEPROM Read/Write</source>
        <translation>Lectura/escritura EEPROM</translation>
    </message>
    <message>
        <source>EEPROM map</source>
        <translation>Mapa EEPROM</translation>
    </message>
    <message>
        <source>The radio&apos;s 416 EEPROM bytes in hexadecimal, 16 a row. Press Enter or double-click a byte to change it.</source>
        <translation>Los 416 bytes de EEPROM del radio en hexadecimal, 16 por fila. Pulse Intro o haga doble clic en un byte para cambiarlo.</translation>
    </message>
    <message>
        <source>Clear Changes</source>
        <translation>Borrar cambios</translation>
    </message>
    <message>
        <source>Removes every mark from the map and drops the bytes changed by hand.</source>
        <translation>Quita todas las marcas del mapa y descarta los bytes cambiados a mano.</translation>
    </message>
    <message>
        <source>Show Settings</source>
        <translation>Ver pasos</translation>
    </message>
    <message>
        <source>Shows the synthesizer step of every channel.</source>
        <translation>Muestra el paso del sintetizador de cada canal.</translation>
    </message>
    <message>
        <source>Cleared the change marks.</source>
        <translation>Marcas de cambio borradas.</translation>
    </message>
    <message>
        <source>Cleared the change marks and 1 byte edit.</source>
        <translation>Marcas de cambio y 1 edición de byte borradas.</translation>
    </message>
    <message>
        <source>Cleared the change marks and %1 byte edits.</source>
        <translation>Marcas de cambio y %1 ediciones de byte borradas.</translation>
    </message>
    <message>
        <source>Discard 1 byte edit that was not written?</source>
        <translation>¿Descartar 1 edición de byte no escrita?</translation>
    </message>
    <message>
        <source>Discard %1 byte edits that were not written?</source>
        <translation>¿Descartar %1 ediciones de byte no escritas?</translation>
    </message>
</context>
<context>
    <name>CEngineeringDlg</name>
    <message>
        <source>Step of channels 1 to 16, kHz</source>
        <translation>Paso de los canales 1 a 16, kHz</translation>
    </message>
    <message>
        <source>Show Engineering Settings</source>
        <translation>Ajustes técnicos</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Step(kHz)</source>
        <translation>Paso(kHz)</translation>
    </message>
</context>
<context>
    <name>CFindCableDlg</name>
    <message>
        <source>Find the Cable</source>
        <translation>Buscar el cable</translation>
    </message>
    <message>
        <source>Unplug the programming cable, then plug it in.</source>
        <translation>Desconecte el cable de programación y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>The port that appears is selected for reading and writing the radio.</source>
        <translation>El puerto que aparezca se elegirá para leer y escribir el radio.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop waiting and keep the port chosen before</source>
        <translation>Dejar de esperar y mantener el puerto elegido antes</translation>
    </message>
</context>
<context>
    <name>CFleetDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varios radios</translation>
    </message>
    <message>
        <source>&amp;Tick the ports of the radios to write the current configuration to:</source>
        <translation>&amp;Marque los puertos de los radios que recibirán la configuración:</translation>
    </message>
    <message>
        <source>Ports to program</source>
        <translation>Puertos a programar</translation>
    </message>
    <message>
        <source>&amp;Read each radio back to verify the write</source>
        <translation>&amp;Releer cada radio para verificar la escritura</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress of each radio</source>
        <translation>Progreso de cada radio</translation>
    </message>
    <message>
        <source>S&amp;ummary:</source>
        <translation>Res&amp;umen:</translation>
    </message>
    <message>
        <source>Summary of the radios written</source>
        <translation>Resumen de los radios escritos</translation>
    </message>
    <message>
        <source>&amp;Write to Ticked Radios</source>
        <translation>&amp;Escribir en los radios marcados</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>Program the radio on %1</source>
        <translation>Programar el radio en %1</translation>
    </message>
    <message>
        <source>Progress of the radio on %1</source>
        <translation>Progreso del radio en %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>the writing of several radios</source>
        <translation>la escritura de varios radios</translation>
    </message>
    <message>
        <source>ok: firmware %1, %2 s, %3</source>
        <translation>ok: firmware %1, %2 s, %3</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>FALLÓ: %1</translation>
    </message>
    <message>
        <source>The transfer log could not be written: %1</source>
        <translation>No se pudo escribir el registro de transferencias: %1</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: no se escribió nada</translation>
    </message>
    <message>
        <source>%1: the radio&apos;s own value changed: %2</source>
        <translation>%1: cambió un valor propio del radio: %2</translation>
    </message>
    <message>
        <source>Keep a &amp;backup file of each radio before the write</source>
        <translation>Guardar un archivo de copia de cada radio antes de escri&amp;bir</translation>
    </message>
</context>
<context>
    <name>CMainForm</name>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Export as Text</source>
        <translation>Exportar como texto</translation>
    </message>
    <message>
        <source>Text configuration (*.yaml *.yml)</source>
        <translation>Configuración de texto (*.yaml *.yml)</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Configurations (*.dat *.DAT *.yaml *.yml *.bin);;All files (*)</source>
        <translation>Configuraciones (*.dat *.DAT *.yaml *.yml *.bin);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Serial Trace</source>
        <translation>Guardar traza serie</translation>
    </message>
    <message>
        <source>Serial traces (*.txt *.trace)</source>
        <translation>Trazas serie (*.txt *.trace)</translation>
    </message>
    <message>
        <source>Enable two-tone</source>
        <translation>Habilitar dos tonos</translation>
    </message>
    <message>
        <source>Import KV110 File</source>
        <translation>Importar archivo KV110</translation>
    </message>
    <message>
        <source>Model Select</source>
        <translation>Selección de modelo</translation>
    </message>
    <message>
        <source>Two-tone signalling is locked.</source>
        <translation>La señalización de dos tonos está bloqueada.</translation>
    </message>
    <message>
        <source>Two-tone signalling is unlocked.</source>
        <translation>La señalización de dos tonos está desbloqueada.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Serial trace saved in %1</source>
        <translation>Traza serie guardada en %1</translation>
    </message>
    <message>
        <source># MODEL :</source>
        <translation># MODELO :</translation>
    </message>
    <message>
        <source># BAND :</source>
        <translation># BANDA :</translation>
    </message>
    <message>
        <source># VERSION :</source>
        <translation># VERSIÓN :</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>CHIRP channel lists (*.csv *.CSV);;All files (*)</source>
        <translation>Listas de canales de CHIRP (*.csv *.CSV);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import Channels from CHIRP CSV</source>
        <translation>Importar canales de CSV de CHIRP</translation>
    </message>
    <message>
        <source>Export Channels as CHIRP CSV</source>
        <translation>Exportar canales como CSV de CHIRP</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>Imported the channels of %1.</source>
        <translation>Se importaron los canales de %1.</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Canales exportados a %1</translation>
    </message>
</context>
<context>
    <name>CMainWindow</name>
    <message>
        <source>The serial port the radio is read and written on (Port menu)</source>
        <translation>El puerto serie por el que se lee y escribe el radio (menú Puerto)</translation>
    </message>
    <message>
        <source>Use COM%1 for the radio</source>
        <translation>Usar COM%1 para el radio</translation>
    </message>
    <message>
        <source> No port selected </source>
        <translation> Ningún puerto elegido </translation>
    </message>
    <message>
        <source>The port choice could not be saved in %1: %2</source>
        <translation>No se pudo guardar la elección de puerto en %1: %2</translation>
    </message>
    <message>
        <source>The programming cable is COM%1 (%2, %3); it is selected.</source>
        <translation>El cable de programación es COM%1 (%2, %3); queda seleccionado.</translation>
    </message>
    <message>
        <source>The programming cable (serial %1) is now COM%2 (%3), not COM%4: using COM%2.</source>
        <translation>El cable de programación (n.º de serie %1) es ahora COM%2 (%3), no COM%4: se usa COM%2.</translation>
    </message>
    <message>
        <source>Save a Problem Report</source>
        <translation>Guardar un informe de problema</translation>
    </message>
    <message>
        <source>Problem reports (*.tar.gz)</source>
        <translation>Informes de problema (*.tar.gz)</translation>
    </message>
    <message>
        <source>Problem report saved in %1</source>
        <translation>Informe de problema guardado en %1</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
Create a new Document</source>
        <translation>Crear una configuración nueva
Nuevo</translation>
    </message>
    <message>
        <source>&amp;Load... 	Ctrl+O</source>
        <translation>&amp;Cargar... 	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Load from file</source>
        <translation>Abrir una configuración existente
Cargar desde archivo</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save to file</source>
        <translation>Guardar la configuración
Guardar en archivo</translation>
    </message>
    <message>
        <source>&amp;Export as Text...</source>
        <translation>&amp;Exportar como texto...</translation>
    </message>
    <message>
        <source>Save the configuration as YAML text
Export as Text</source>
        <translation>Guardar la configuración como texto YAML
Exportar como texto</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...</source>
        <translation>Co&amp;mparar con archivo...</translation>
    </message>
    <message>
        <source>List the fields that differ from a .dat, .yaml or .bin file
Compare with File</source>
        <translation>Listar los campos que difieren de un archivo .dat, .yaml o .bin
Comparar con archivo</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir la configuración
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Show the data sheet as it will be printed
Print Preview</source>
        <translation>Mostrar la hoja de datos tal como se imprimirá
Vista previa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Salir del programa
Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Model Select	Ctrl + M</source>
        <translation>Selección de &amp;modelo	Ctrl + M</translation>
    </message>
    <message>
        <source>Choose the radio model
Model Select</source>
        <translation>Elegir el modelo de radio
Selección de modelo</translation>
    </message>
    <message>
        <source>&amp;Squelch	</source>
        <translation>&amp;Silenciador	</translation>
    </message>
    <message>
        <source>SETTING SQUELCH
Setting Squelch</source>
        <translation>AJUSTE DEL SILENCIADOR
Ajuste del silenciador</translation>
    </message>
    <message>
        <source>&amp;Calibration	</source>
        <translation>&amp;Calibración	</translation>
    </message>
    <message>
        <source>Calibration
Calibration</source>
        <translation>Calibración
Calibración</translation>
    </message>
    <message>
        <source>Program Several &amp;Radios...</source>
        <translation>Programar varios &amp;radios...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once
Program Several Radios</source>
        <translation>Escribir esta configuración en varios radios a la vez
Programar varios radios</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programar</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>Read the radio back after a write and compare
Verify</source>
        <translation>Releer el radio tras escribir y comparar
Verificar</translation>
    </message>
    <message>
        <source>Save Serial &amp;Trace...</source>
        <translation>Guardar &amp;traza serie...</translation>
    </message>
    <message>
        <source>Save every byte of the last transfer or service dialog
Serial Trace</source>
        <translation>Guardar cada byte de la última transferencia o diálogo de servicio
Traza serie</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Channel	</source>
        <translation>&amp;Canal	</translation>
    </message>
    <message>
        <source>CHANNEL DATA
Channel Configuration</source>
        <translation>DATOS DE CANALES
Configuración de canales</translation>
    </message>
    <message>
        <source>M&amp;odem	</source>
        <translation>M&amp;ódem	</translation>
    </message>
    <message>
        <source>MODEM OPTION
Modem Option</source>
        <translation>OPCIONES DEL MÓDEM
Opciones del módem</translation>
    </message>
    <message>
        <source>&amp;EEPROM W/R	</source>
        <translation>&amp;EEPROM L/E	</translation>
    </message>
    <message>
        <source>Select Write / Read
COMUNICATION</source>
        <translation>Elegir escribir / leer
COMUNICACIÓN</translation>
    </message>
    <message>
        <source>S&amp;ystem / GPS	</source>
        <translation>Sis&amp;tema / GPS	</translation>
    </message>
    <message>
        <source>SYSTEM OPTION / GPS
System option / GPS</source>
        <translation>OPCIONES DEL SISTEMA / GPS
Opciones del sistema / GPS</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Módem</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>Read/Write
EEPROM Read/Write</source>
        <translation>Lectura/escritura
Lectura/escritura EEPROM</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;About KV310 ...</source>
        <translation>&amp;Acerca de KV310 ...</translation>
    </message>
    <message>
        <source>Display program information
About</source>
        <translation>Mostrar información del programa
Acerca de</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Rea&amp;d Radio</source>
        <translation>&amp;Leer radio</translation>
    </message>
    <message>
        <source>Read the radio&apos;s settings
Read Radio</source>
        <translation>Leer los ajustes del radio
Leer radio</translation>
    </message>
    <message>
        <source>&amp;Write Radio</source>
        <translation>&amp;Escribir radio</translation>
    </message>
    <message>
        <source>Write these settings to the radio
Write Radio</source>
        <translation>Escribir estos ajustes en el radio
Escribir radio</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>&amp;Find the Cable...</source>
        <translation>&amp;Buscar el cable...</translation>
    </message>
    <message>
        <source>Unplug and plug in the programming cable to find its port
Find the Cable</source>
        <translation>Desconectar y conectar el cable de programación para encontrar su puerto
Buscar el cable</translation>
    </message>
    <message>
        <source>Transfer &amp;History...</source>
        <translation>&amp;Historial de transferencias...</translation>
    </message>
    <message>
        <source>Every radio read and written, from the transfer log
Transfer History</source>
        <translation>Cada radio leído y escrito, del registro de transferencias
Historial de transferencias</translation>
    </message>
    <message>
        <source>Save a &amp;Problem Report...</source>
        <translation>Guardar un informe de &amp;problema...</translation>
    </message>
    <message>
        <source>Save the version, ports, failed traces and transfer log in one file to send
Problem Report</source>
        <translation>Guardar versión, puertos, trazas fallidas y registro de transferencias en un archivo para enviar
Informe de problema</translation>
    </message>
    <message>
        <source>The problem report could not be saved in %1: %2.</source>
        <translation>No se pudo guardar el informe de problema en %1: %2.</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Guardar c&amp;omo...	Ctrl+Mayús+S</translation>
    </message>
    <message>
        <source>Save under another name
Save As</source>
        <translation>Guardar con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Rest&amp;ore Radio from Backup...</source>
        <translation>Rest&amp;aurar radio desde copia de seguridad...</translation>
    </message>
    <message>
        <source>Put a kept backup back on the radio as it stands
Restore Radio</source>
        <translation>Devolver al radio una copia de seguridad guardada, tal como está
Restaurar radio</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;uerto</translation>
    </message>
    <message>
        <source>Keep &amp;Backup File Before Write</source>
        <translation>Guardar archivo de copia a&amp;ntes de escribir</translation>
    </message>
    <message>
        <source>Keep a file of what the radio holds before writing over it (the radio is read first either way, and keeps its own bytes)
Backup File</source>
        <translation>Guardar un archivo con lo que tiene la radio antes de escribir encima (la radio se lee primero de todos modos y conserva sus propios bytes)
Archivo de copia</translation>
    </message>
    <message>
        <source>Write Whole &amp;Image to Radio...</source>
        <translation>Escribir la &amp;imagen completa en la radio...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s whole image, resetting the radio&apos;s calibration and own bytes (asks first)
Write Whole Image</source>
        <translation>Escribir la imagen completa del plan, restableciendo la calibración y los bytes propios de la radio (pregunta antes)
Escribir imagen completa</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CHIRP CSV...</source>
        <translation>Im&amp;portar canales de CSV de CHIRP...</translation>
    </message>
    <message>
        <source>Put a CHIRP channel list (a repeater list, another radio&apos;s plan) into the channels
Import Channels from CHIRP CSV</source>
        <translation>Poner una lista de canales de CHIRP (lista de repetidores, plan de otra radio) en los canales
Importar canales de CSV de CHIRP</translation>
    </message>
    <message>
        <source>Export Channels as &amp;CHIRP CSV...</source>
        <translation>Exportar c&amp;anales como CSV de CHIRP...</translation>
    </message>
    <message>
        <source>Save the programmed channels as a CHIRP channel list
Export Channels as CHIRP CSV</source>
        <translation>Guardar los canales programados como lista de canales de CHIRP
Exportar canales como CSV de CHIRP</translation>
    </message>
</context>
<context>
    <name>CModelSelectDlg</name>
    <message>
        <source>SELECT MODEL</source>
        <translation>ELEGIR MODELO</translation>
    </message>
</context>
<context>
    <name>CModemPage</name>
    <message>
        <source> MODEM </source>
        <translation> MÓDEM </translation>
    </message>
    <message>
        <source>AFSK variant V.23</source>
        <translation>Variante AFSK V.23</translation>
    </message>
    <message>
        <source>AFSK variant Bell 202</source>
        <translation>Variante AFSK Bell 202</translation>
    </message>
    <message>
        <source>Switches the modem on or off</source>
        <translation>Enciende o apaga el módem</translation>
    </message>
    <message>
        <source># MODEM BAUD RATE</source>
        <translation># BAUDIOS DEL MÓDEM</translation>
    </message>
    <message>
        <source>Dumb Mode</source>
        <translation>Modo transparente</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>Modo automático</translation>
    </message>
    <message>
        <source>Modem dumb mode</source>
        <translation>Módem en modo transparente</translation>
    </message>
    <message>
        <source>Modem auto mode</source>
        <translation>Módem en modo automático</translation>
    </message>
    <message>
        <source>Use a base block size</source>
        <translation>Usar un tamaño de bloque base</translation>
    </message>
    <message>
        <source>D
E
F
A
U
L
T</source>
        <translation>P
R
E
F
I
J
A
D
O</translation>
    </message>
    <message>
        <source>Restore the default modem options</source>
        <translation>Restaurar las opciones predefinidas del módem</translation>
    </message>
</context>
<context>
    <name>COptionButton</name>
    <message>
        <source>no frequency yet</source>
        <translation>sin frecuencia aún</translation>
    </message>
</context>
<context>
    <name>COptionPage</name>
    <message>
        <source>Modem Enable</source>
        <translation>Módem activado</translation>
    </message>
    <message>
        <source>Modem Disable</source>
        <translation>Módem desactivado</translation>
    </message>
    <message>
        <source> GMSK</source>
        <translation> GMSK</translation>
    </message>
    <message>
        <source>GMSK modem</source>
        <translation>Módem GMSK</translation>
    </message>
    <message>
        <source> FFSK</source>
        <translation> FFSK</translation>
    </message>
    <message>
        <source>FFSK modem</source>
        <translation>Módem FFSK</translation>
    </message>
    <message>
        <source> AFSK</source>
        <translation> AFSK</translation>
    </message>
    <message>
        <source>AFSK modem</source>
        <translation>Módem AFSK</translation>
    </message>
    <message>
        <source>1. Base Block Size  1 ( byte )</source>
        <translation>1. Bloque base  1 ( byte )</translation>
    </message>
    <message>
        <source>Base block size in bytes</source>
        <translation>Tamaño del bloque base en bytes</translation>
    </message>
    <message>
        <source>2. Preamble Data Size ( bit )</source>
        <translation>2. Longitud del preámbulo ( bit )</translation>
    </message>
    <message>
        <source>Preamble data size in bits</source>
        <translation>Longitud del preámbulo en bits</translation>
    </message>
    <message>
        <source>3. Wait For Busy Time ( ms )</source>
        <translation>3. Espera por ocupado ( ms )</translation>
    </message>
    <message>
        <source>Wait for busy time in milliseconds</source>
        <translation>Espera por canal ocupado en milisegundos</translation>
    </message>
    <message>
        <source>4. Flow Control</source>
        <translation>4. Control de flujo</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Control de flujo</translation>
    </message>
    <message>
        <source>5. Tx Delay Time 1 (ms) </source>
        <translation>5. Retardo TX 1 (ms) </translation>
    </message>
    <message>
        <source>Transmit delay time 1 in milliseconds</source>
        <translation>Retardo de transmisión 1 en milisegundos</translation>
    </message>
    <message>
        <source>6. Tx Delay Time 2 (ms, Tone Only) </source>
        <translation>6. Retardo TX 2 (ms, solo tono) </translation>
    </message>
    <message>
        <source>Transmit delay time 2 in milliseconds, tone only</source>
        <translation>Retardo de transmisión 2 en milisegundos, solo tono</translation>
    </message>
    <message>
        <source>7. Number of Allowable Errors for Start Bit</source>
        <translation>7. Errores admitidos en el bit de inicio</translation>
    </message>
    <message>
        <source>Number of allowable errors for the start bit</source>
        <translation>Número de errores admitidos en el bit de inicio</translation>
    </message>
    <message>
        <source>Enables Tx Forcing Mode</source>
        <translation>Activa TX forzada</translation>
    </message>
    <message>
        <source>Enables transmit forcing mode</source>
        <translation>Activa el modo de transmisión forzada</translation>
    </message>
    <message>
        <source>Enables Initializing Data For HT</source>
        <translation>Activa datos de inicio para portátil</translation>
    </message>
    <message>
        <source>Enables initializing data for the handheld</source>
        <translation>Activa los datos de inicialización para el portátil</translation>
    </message>
    <message>
        <source>1. Tx OFF Delay  ( 0 - 16ms, step 2ms )</source>
        <translation>1. Retardo TX apagado  ( 0 - 16 ms, paso 2 ms )</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transmit off delay in milliseconds</source>
        <translation>Retardo de apagado de TX en milisegundos</translation>
    </message>
    <message>
        <source>2. Tx On Delay  ( 0 - 254ms, step 2ms )</source>
        <translation>2. Retardo TX encendido  ( 0 - 254 ms, paso 2 ms )</translation>
    </message>
    <message>
        <source>Transmit on delay in milliseconds</source>
        <translation>Retardo de encendido de TX en milisegundos</translation>
    </message>
    <message>
        <source>3. Rx On Delay  ( 0 - 126ms, step 2ms )</source>
        <translation>3. Retardo RX encendido  ( 0 - 126 ms, paso 2 ms )</translation>
    </message>
    <message>
        <source>Receive on delay in milliseconds</source>
        <translation>Retardo de encendido de RX en milisegundos</translation>
    </message>
    <message>
        <source> MODEM SELECT </source>
        <translation> SELECCIÓN DE MÓDEM </translation>
    </message>
    <message>
        <source> SYSTEM OPTION 1 </source>
        <translation> OPCIÓN DEL SISTEMA 1 </translation>
    </message>
    <message>
        <source> SYSTEM OPTION 2 </source>
        <translation> OPCIÓN DEL SISTEMA 2 </translation>
    </message>
    <message>
        <source> SYSTEM OPTION 3 </source>
        <translation> OPCIÓN DEL SISTEMA 3 </translation>
    </message>
    <message>
        <source>S - BAND</source>
        <translation>BANDA - S</translation>
    </message>
    <message>
        <source>S-band baud rate in bits per second</source>
        <translation>Baudios de la banda S en bits por segundo</translation>
    </message>
    <message>
        <source>N - BAND</source>
        <translation>BANDA - N</translation>
    </message>
    <message>
        <source>N-band baud rate in bits per second</source>
        <translation>Baudios de la banda N en bits por segundo</translation>
    </message>
    <message>
        <source> RX OPTION </source>
        <translation> OPCIÓN RX </translation>
    </message>
    <message>
        <source> TX OPTION </source>
        <translation> OPCIÓN TX </translation>
    </message>
    <message>
        <source> SCAN OPTION </source>
        <translation> OPCIÓN DE RASTREO </translation>
    </message>
    <message>
        <source> GPS OPTION </source>
        <translation> OPCIÓN GPS </translation>
    </message>
    <message>
        <source> Enables Squelch</source>
        <translation> Activa el silenciador</translation>
    </message>
    <message>
        <source>Enables squelch</source>
        <translation>Activa el silenciador</translation>
    </message>
    <message>
        <source>Beep ON When Hang ON Time</source>
        <translation>Pitido durante la retención</translation>
    </message>
    <message>
        <source>Beep when the hang-on time runs</source>
        <translation>Pitido mientras corre el tiempo de retención</translation>
    </message>
    <message>
        <source>Tx Tone Generation For Data Input</source>
        <translation>Tono TX para entrada de datos</translation>
    </message>
    <message>
        <source>Transmit tone generation for data input</source>
        <translation>Generación de tono de TX para la entrada de datos</translation>
    </message>
    <message>
        <source>Enables External Modulation</source>
        <translation>Activa modulación externa</translation>
    </message>
    <message>
        <source>Enables external modulation</source>
        <translation>Activa la modulación externa</translation>
    </message>
    <message>
        <source>  Enables GPS</source>
        <translation>  Activa el GPS</translation>
    </message>
    <message>
        <source>Enables GPS reporting</source>
        <translation>Activa el reporte GPS</translation>
    </message>
    <message>
        <source># Scan Delay Time</source>
        <translation># Retardo de rastreo</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>( 1 - 15 sec, 1 sec step )</source>
        <translation>( 1 - 15 s, paso 1 s )</translation>
    </message>
    <message>
        <source>Scan delay time in seconds</source>
        <translation>Retardo de rastreo en segundos</translation>
    </message>
    <message>
        <source># Transmission Cycle</source>
        <translation># Ciclo de transmisión</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>( 1 - 24 Hour , 1 Hour step )</source>
        <translation>( 1 - 24 h, paso 1 h )</translation>
    </message>
    <message>
        <source>GPS transmission cycle in hours</source>
        <translation>Ciclo de transmisión GPS en horas</translation>
    </message>
    <message>
        <source># Scan Speed Time</source>
        <translation># Velocidad de rastreo</translation>
    </message>
    <message>
        <source>( 50 - 2000ms, 10ms step )</source>
        <translation>( 50 - 2000 ms, paso 10 ms )</translation>
    </message>
    <message>
        <source>Scan speed time in milliseconds</source>
        <translation>Velocidad de rastreo en milisegundos</translation>
    </message>
    <message>
        <source># Data Transmission Time</source>
        <translation># Tiempo de envío de datos</translation>
    </message>
    <message>
        <source>( 1 - 10 second, 1 second step )</source>
        <translation>( 1 - 10 s, paso 1 s )</translation>
    </message>
    <message>
        <source>GPS data transmission time in seconds</source>
        <translation>Tiempo de envío de datos GPS en segundos</translation>
    </message>
    <message>
        <source># Data Delay Time</source>
        <translation># Retardo de datos</translation>
    </message>
    <message>
        <source>( 50 - 300 second, 10 second step )</source>
        <translation>( 50 - 300 s, paso 10 s )</translation>
    </message>
    <message>
        <source>GPS data delay time in seconds</source>
        <translation>Retardo de datos GPS en segundos</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Transfer status</source>
        <translation>Estado de la transferencia</translation>
    </message>
    <message>
        <source>What happened and what to try</source>
        <translation>Qué pasó y qué intentar</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the transfer before the next block</source>
        <translation>Detiene la transferencia antes del siguiente bloque</translation>
    </message>
    <message>
        <source>Read/Write</source>
        <translation>Lectura/escritura</translation>
    </message>
    <message>
        <source>Serial trace</source>
        <translation>Traza serie</translation>
    </message>
    <message>
        <source>Activate the link to open the folder the trace is kept in</source>
        <translation>Activar el enlace para abrir la carpeta donde se guarda la traza</translation>
    </message>
    <message>
        <source>The serial trace of this transfer is kept in %1</source>
        <translation>La traza serie de esta transferencia se guarda en %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Stop the write now? The radio will hold a partly written configuration until it is written again.</source>
        <translation>¿Detener la escritura ahora? El radio tendrá una configuración escrita a medias hasta que se vuelva a escribir.</translation>
    </message>
    <message>
        <source>&amp;Stop the Write</source>
        <translation>&amp;Detener la escritura</translation>
    </message>
    <message>
        <source>&amp;Continue Writing</source>
        <translation>&amp;Seguir escribiendo</translation>
    </message>
</context>
<context>
    <name>CRadioTransfer</name>
    <message>
        <source>the radio write</source>
        <translation>la escritura del radio</translation>
    </message>
    <message>
        <source>the radio read</source>
        <translation>la lectura del radio</translation>
    </message>
    <message>
        <source>Writing the radio on COM%1...</source>
        <translation>Escribiendo el radio en COM%1...</translation>
    </message>
    <message>
        <source>Reading the radio on COM%1...</source>
        <translation>Leyendo el radio en COM%1...</translation>
    </message>
    <message>
        <source>Cancelling after the current block...</source>
        <translation>Cancelando tras el bloque actual...</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1</source>
        <translation>Lo que tenía el radio antes de escribir se guarda en %1</translation>
    </message>
    <message>
        <source>The radio&apos;s image is kept in %1</source>
        <translation>La imagen del radio se guarda en %1</translation>
    </message>
    <message>
        <source>The transfer log could not be written: %1</source>
        <translation>No se pudo escribir el registro de transferencias: %1</translation>
    </message>
    <message>
        <source>This configuration would not reach the radio as it stands:</source>
        <translation>Esta configuración no llegaría al radio tal como está:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>Write it to the radio anyway?</source>
        <translation>¿Escribirla en el radio de todos modos?</translation>
    </message>
    <message>
        <source>The radio&apos;s image could not be kept as a backup: %1</source>
        <translation>No se pudo guardar la imagen del radio como copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Select Write / Read button</source>
        <translation>Elija el botón Escribir / Leer</translation>
    </message>
    <message>
        <source>the radio restore</source>
        <translation>la restauración del radio</translation>
    </message>
    <message>
        <source>The radio&apos;s own value changes: %1</source>
        <translation>Cambia un valor propio del radio: %1</translation>
    </message>
    <message>
        <source>The radio&apos;s own value changed: </source>
        <translation>Cambió un valor propio del radio: </translation>
    </message>
    <message>
        <source>; the radio&apos;s image is kept in %1</source>
        <translation>; la imagen del radio se guarda en %1</translation>
    </message>
    <message>
        <source>Read: %1 on %2, %3 s</source>
        <translation>Leído: %1 en %2, %3 s</translation>
    </message>
    <message>
        <source>Written and verified: %1 on %2, %3 s</source>
        <translation>Escrito y verificado: %1 en %2, %3 s</translation>
    </message>
    <message>
        <source>Written (not read back): %1 on %2, %3 s</source>
        <translation>Escrito (sin releer): %1 en %2, %3 s</translation>
    </message>
    <message>
        <source>the port</source>
        <translation>el puerto</translation>
    </message>
    <message>
        <source>Write Radio keeps them; use this only to give a radio a known state. Write the whole image?</source>
        <translation>«Escribir radio» los conserva; use esto solo para llevar una radio a un estado conocido. ¿Escribir la imagen completa?</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>No se escribió nada: %1.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio&apos;s image could not be kept as a backup in %1 (%2).</source>
        <translation>No se escribió nada: la imagen de la radio no se pudo guardar como copia en %1 (%2).</translation>
    </message>
    <message>
        <source>The radio could not be read first, so nothing was written.</source>
        <translation>No se pudo leer primero la radio, así que no se escribió nada.</translation>
    </message>
    <message>
        <source>Save the Radio&apos;s Backup As</source>
        <translation>Guardar la copia de la radio como</translation>
    </message>
    <message>
        <source>EEPROM images (*.bin)</source>
        <translation>Imágenes EEPROM (*.bin)</translation>
    </message>
    <message>
        <source>The backup could not be saved as %1: %2</source>
        <translation>La copia no se pudo guardar como %1: %2</translation>
    </message>
    <message>
        <source>Write the plan over it anyway? Only the plan&apos;s settings change; the radio keeps its calibration and its own bytes, and what it held is in its backup.</source>
        <translation>¿Escribir el plan encima de todos modos? Solo cambian los ajustes del plan; la radio conserva su calibración y sus propios bytes, y lo que tenía queda en su copia.</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>Escribir de todos modos</translation>
    </message>
    <message>
        <source>Save the backup somewhere else, or write without a backup file? The radio keeps its own bytes either way.</source>
        <translation>¿Guardar la copia en otro lugar o escribir sin archivo de copia? La radio conserva sus propios bytes en ambos casos.</translation>
    </message>
    <message>
        <source>Save Backup As...</source>
        <translation>Guardar copia como...</translation>
    </message>
    <message>
        <source>Write Without a Backup File</source>
        <translation>Escribir sin archivo de copia</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore Radio from Backup</source>
        <translation>Restaurar radio desde copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Backups kept, newest first:</source>
        <translation>Copias de seguridad &amp;guardadas, las más recientes primero:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Adapter serial</source>
        <translation>N.º de serie del adaptador</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Backups of radios kept by this program</source>
        <translation>Copias de seguridad de radios guardadas por este programa</translation>
    </message>
    <message>
        <source>&amp;What the backup would change in the radio:</source>
        <translation>&amp;Qué cambiaría la copia de seguridad en el radio:</translation>
    </message>
    <message>
        <source>Fields that differ between the radio and the backup</source>
        <translation>Campos que difieren entre el radio y la copia de seguridad</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio</source>
        <translation>&amp;Comparar con el radio</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>&amp;Restaurar en el radio</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>No backup has been kept yet: every read of a radio keeps one.</source>
        <translation>Aún no se ha guardado ninguna copia de seguridad: cada lectura de un radio guarda una.</translation>
    </message>
    <message>
        <source>Choose a backup, then compare it with the radio.</source>
        <translation>Elija una copia de seguridad y compárela con el radio.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Leyendo el radio...</translation>
    </message>
    <message>
        <source>The radio could not be read: nothing was compared or written.</source>
        <translation>No se pudo leer el radio: no se comparó ni se escribió nada.</translation>
    </message>
    <message>
        <source>Model: %1.</source>
        <translation>Modelo: %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>The radio already holds this backup.</source>
        <translation>El radio ya contiene esta copia de seguridad.</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ; %1 of the %2 bytes would change.</source>
        <translation>
            <numerusform>%n campo difiere; cambiarían %1 de los %2 bytes.</numerusform>
            <numerusform>%n campos difieren; cambiarían %1 de los %2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Restaurando...</translation>
    </message>
    <message>
        <source>The restore failed: %1</source>
        <translation>La restauración falló: %1</translation>
    </message>
    <message>
        <source>Restored: the radio holds the backup&apos;s %1 bytes.</source>
        <translation>Restaurado: el radio contiene los %1 bytes de la copia de seguridad.</translation>
    </message>
    <message>
        <source>Put the backup %1 back on the radio on COM%2?</source>
        <translation>¿Devolver la copia de seguridad %1 al radio en COM%2?</translation>
    </message>
    <message>
        <source>The backup is of another model: %1.</source>
        <translation>La copia de seguridad es de otro modelo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) change; every byte of the radio becomes the backup&apos;s.</source>
        <translation>
            <numerusform>Cambia %n campo; cada byte del radio pasa a ser el de la copia.</numerusform>
            <numerusform>Cambian %n campos; cada byte del radio pasa a ser el de la copia.</numerusform>
        </translation>
    </message>
    <message>
        <source>Older than (&amp;days):</source>
        <translation>Más antiguas que (&amp;días):</translation>
    </message>
    <message>
        <source>Backups last read more than this many days ago</source>
        <translation>Copias de seguridad leídas por última vez hace más de estos días</translation>
    </message>
    <message>
        <source>Remove &amp;Older Backups</source>
        <translation>Eliminar copias más an&amp;tiguas</translation>
    </message>
    <message>
        <source>Removes the backups last read more than the days given ago</source>
        <translation>Elimina las copias de seguridad leídas por última vez hace más de los días indicados</translation>
    </message>
    <message numerus="yes">
        <source>Remove every backup last read more than %n day(s) ago? A radio whose only backup it is has no other.</source>
        <translation>
            <numerusform>¿Eliminar cada copia de seguridad leída por última vez hace más de %n día? Un radio cuya única copia sea esa no tiene otra.</numerusform>
            <numerusform>¿Eliminar cada copia de seguridad leída por última vez hace más de %n días? Un radio cuya única copia sea esa no tiene otra.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n backup(s) removed.</source>
        <translation>
            <numerusform>%n copia de seguridad eliminada.</numerusform>
            <numerusform>%n copias de seguridad eliminadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be removed.</source>
        <translation>
            <numerusform>%n no se pudo eliminar.</numerusform>
            <numerusform>%n no se pudieron eliminar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio&apos;s own calibration changes:</source>
        <translation>Cambia la calibración propia de la radio:</translation>
    </message>
    <message>
        <source>Kept by</source>
        <translation>Guardada por</translation>
    </message>
    <message>
        <source>First channels (RX MHz)</source>
        <translation>Primeros canales (RX MHz)</translation>
    </message>
</context>
<context>
    <name>CScanWarningDlg</name>
    <message>
        <source> WARNING</source>
        <translation> AVISO</translation>
    </message>
    <message>
        <source>The state of this program is currently</source>
        <translation>El estado actual de este programa es</translation>
    </message>
    <message>
        <source>Current state</source>
        <translation>Estado actual</translation>
    </message>
    <message>
        <source>If click on YES button, </source>
        <translation>Si pulsa SÍ, </translation>
    </message>
    <message>
        <source>What YES does</source>
        <translation>Qué hace SÍ</translation>
    </message>
    <message>
        <source>Do you want to change this state ?</source>
        <translation>¿Desea cambiar este estado?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>CServiceDlg</name>
    <message>
        <source>Radio connection status</source>
        <translation>Estado de la conexión con el radio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>Close the dialog and the port</source>
        <translation>Cerrar el diálogo y el puerto</translation>
    </message>
    <message>
        <source>Connecting to the radio on COM%1...</source>
        <translation>Conectando con el radio en COM%1...</translation>
    </message>
    <message>
        <source>Connected to the radio on COM%1 (firmware %2).</source>
        <translation>Conectado con el radio en COM%1 (firmware %2).</translation>
    </message>
    <message>
        <source>The radio sent no status. Check that it is connected and switched on; commands are sent all the same.</source>
        <translation>El radio no envió su estado. Compruebe que está conectado y encendido; las órdenes se envían igualmente.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Esperando al radio...</translation>
    </message>
    <message>
        <source>Closing the port...</source>
        <translation>Cerrando el puerto...</translation>
    </message>
</context>
<context>
    <name>CSquelchDlg</name>
    <message>
        <source>Radio channel</source>
        <translation>Canal del radio</translation>
    </message>
    <message>
        <source>Set the radio channel</source>
        <translation>Fijar el canal del radio</translation>
    </message>
    <message>
        <source>Custom squelch levels</source>
        <translation>Niveles de silenciador propios</translation>
    </message>
    <message>
        <source>Store the present RF level as the opening level</source>
        <translation>Guardar el nivel de RF actual como nivel de apertura</translation>
    </message>
    <message>
        <source>Store the present RF level as the closing level</source>
        <translation>Guardar el nivel de RF actual como nivel de cierre</translation>
    </message>
    <message>
        <source>Save the squelch levels in the radio</source>
        <translation>Guardar los niveles del silenciador en el radio</translation>
    </message>
    <message>
        <source>Preset unmuted level in dBm</source>
        <translation>Nivel de apertura predefinido en dBm</translation>
    </message>
    <message>
        <source>Preset muted level in dBm</source>
        <translation>Nivel de cierre predefinido en dBm</translation>
    </message>
    <message>
        <source>Return the radio to the preset squelch levels</source>
        <translation>Devolver el radio a los niveles de silenciador predefinidos</translation>
    </message>
    <message>
        <source>SQUELCH</source>
        <translation>SILENCIADOR</translation>
    </message>
    <message>
        <source> SQUELCH </source>
        <translation> SILENCIADOR </translation>
    </message>
    <message>
        <source>SET</source>
        <translation>FIJAR</translation>
    </message>
    <message>
        <source>Change Channel </source>
        <translation>Cambiar canal </translation>
    </message>
    <message>
        <source> Custom Define ? </source>
        <translation> ¿Valores propios? </translation>
    </message>
    <message>
        <source> Use Preset </source>
        <translation> Predefinido </translation>
    </message>
    <message>
        <source>SET (OPEN)</source>
        <translation>FIJAR (ABRE)</translation>
    </message>
    <message>
        <source>1. Set RF signal level for opening
    and press SET</source>
        <translation>1. Ajuste el nivel de RF de apertura
    y pulse FIJAR</translation>
    </message>
    <message>
        <source>SET (CLOSE)</source>
        <translation>FIJAR (CIERRA)</translation>
    </message>
    <message>
        <source>2. Set RF signal level for closing
    and press SET</source>
        <translation>2. Ajuste el nivel de RF de cierre
    y pulse FIJAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>Your Default Squelch Settings</source>
        <translation>Su silenciador predefinido</translation>
    </message>
    <message>
        <source>Unmuted</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>PREDEFINIDO</translation>
    </message>
    <message>
        <source>Custom Mode</source>
        <translation>Valores propios</translation>
    </message>
    <message>
        <source>Custom Define?</source>
        <translation>¿Valores propios?</translation>
    </message>
    <message>
        <source>Custom Define ?</source>
        <translation>¿Valores propios ?</translation>
    </message>
</context>
<context>
    <name>CSystemPage</name>
    <message>
        <source> SYSTEM OPTION  /  GPS OPTION </source>
        <translation> OPCIONES DEL SISTEMA  /  OPCIONES GPS </translation>
    </message>
    <message>
        <source> Rssi Level Check</source>
        <translation> Comprobar nivel RSSI</translation>
    </message>
    <message>
        <source> Busy Port Check</source>
        <translation> Comprobar puerto ocupado</translation>
    </message>
    <message>
        <source>Squelch type RSSI level check</source>
        <translation>Silenciador por nivel RSSI</translation>
    </message>
    <message>
        <source>Squelch type busy port check</source>
        <translation>Silenciador por puerto ocupado</translation>
    </message>
</context>
<context>
    <name>CTonePickerDlg</name>
    <message>
        <source>CTCSS tones, Hz</source>
        <translation>Tonos CTCSS, Hz</translation>
    </message>
    <message>
        <source>DCS codes</source>
        <translation>Códigos DCS</translation>
    </message>
</context>
<context>
    <name>CTransferHistoryDlg</name>
    <message>
        <source>Transfer History</source>
        <translation>Historial de transferencias</translation>
    </message>
    <message>
        <source>The log is %1</source>
        <translation>El registro es %1</translation>
    </message>
    <message>
        <source>The log %1 could not be read: %2</source>
        <translation>No se pudo leer el registro %1: %2</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Copy the selected rows, or all of them, as tab-separated text under the header (also Ctrl+C)</source>
        <translation>Copiar las filas seleccionadas, o todas, como texto separado por tabuladores bajo el encabezado (también Ctrl+C)</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>más antiguos primero</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>más recientes primero</translation>
    </message>
    <message>
        <source>shortest first</source>
        <translation>más cortos primero</translation>
    </message>
    <message>
        <source>longest first</source>
        <translation>más largos primero</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>de la A a la Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>de la Z a la A</translation>
    </message>
    <message>
        <source>Every radio read and written, sorted by %1, %2. Sort by and Descending change the order; Ctrl+C copies the selected rows with the header</source>
        <translation>Cada radio leído y escrito, ordenado por %1, %2. «Ordenar por» y «Descendente» cambian el orden; Ctrl+C copia las filas seleccionadas con el encabezado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Adapter Serial Number</source>
        <translation>N.º de serie del adaptador</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>SHA-256 of the Bytes Written</source>
        <translation>SHA-256 de los bytes escritos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escritura</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauración</translation>
    </message>
    <message>
        <source>status</source>
        <translation>consulta de estado</translation>
    </message>
    <message>
        <source>fleet write</source>
        <translation>escritura de varios radios</translation>
    </message>
    <message>
        <source>fleet read</source>
        <translation>lectura de varios radios</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>Plan File</source>
        <translation>Archivo del plan</translation>
    </message>
    <message>
        <source>SHA-256 of the Plan File</source>
        <translation>SHA-256 del archivo del plan</translation>
    </message>
</context>
<context>
    <name>CTwoToneCodeDlg</name>
    <message>
        <source>CHANGE TWO TONE CONDITION</source>
        <translation>CAMBIAR ESTADO DE DOS TONOS</translation>
    </message>
    <message>
        <source>INPUT PASSWORD : </source>
        <translation>CONTRASEÑA : </translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>HABILITAR</translation>
    </message>
    <message>
        <source>DISABLE</source>
        <translation>DESHABILITAR</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>FREQUENCY ( 300 - 3000 Hz, 10 step )</source>
        <translation>FRECUENCIA ( 300 - 3000 Hz, paso 10 )</translation>
    </message>
    <message>
        <source>Tone A frequency, Hz</source>
        <translation>Frecuencia del tono A, Hz</translation>
    </message>
    <message>
        <source>DURATION ( 100 - 10000 ms, 10ms step ) </source>
        <translation>DURACIÓN ( 100 - 10000 ms, paso 10 ms ) </translation>
    </message>
    <message>
        <source>Tone A duration, ms</source>
        <translation>Duración del tono A, ms</translation>
    </message>
    <message>
        <source>FREQUENCY ( 300 - 3000 Hz, 10step )</source>
        <translation>FRECUENCIA ( 300 - 3000 Hz, paso 10 )</translation>
    </message>
    <message>
        <source>Tone B frequency, Hz</source>
        <translation>Frecuencia del tono B, Hz</translation>
    </message>
    <message>
        <source>Tone B duration, ms</source>
        <translation>Duración del tono B, ms</translation>
    </message>
    <message>
        <source>TONE  A</source>
        <translation>TONO  A</translation>
    </message>
    <message>
        <source>TONE  B</source>
        <translation>TONO  B</translation>
    </message>
    <message>
        <source>BOTH </source>
        <translation>TONOS A+B </translation>
    </message>
    <message>
        <source> TWO TONE DATA</source>
        <translation> DATOS DE DOS TONOS</translation>
    </message>
    <message>
        <source> TONE A </source>
        <translation> TONO A </translation>
    </message>
    <message>
        <source> TONE B </source>
        <translation> TONO B </translation>
    </message>
    <message>
        <source> GROUP TONE </source>
        <translation> TONO DE GRUPO </translation>
    </message>
    <message>
        <source>Group tone %1</source>
        <translation>Tono de grupo %1</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>===== PC PROGRAMMER DATA SHEET =====</source>
        <translation>===== HOJA DE DATOS DEL PROGRAMADOR =====</translation>
    </message>
    <message>
        <source>* MODEL</source>
        <translation>* MODELO</translation>
    </message>
    <message>
        <source>## CHANNEL DATA ##</source>
        <translation>## DATOS DE CANALES ##</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>RX_FREQ(MHz)</source>
        <translation>FREC.RX(MHz)</translation>
    </message>
    <message>
        <source>RX_OPTION</source>
        <translation>OPCIÓN RX</translation>
    </message>
    <message>
        <source>TX_FREQ(MHz)</source>
        <translation>FREC.TX(MHz)</translation>
    </message>
    <message>
        <source>TX_OPTION</source>
        <translation>OPCIÓN TX</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>RASTREO</translation>
    </message>
    <message>
        <source>WIDTH</source>
        <translation>ANCHO</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>POTENCIA</translation>
    </message>
    <message>
        <source>HANG-ON</source>
        <translation>RETENCIÓN</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NINGUNA</translation>
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
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source> WIDE</source>
        <translation> ANCHO</translation>
    </message>
    <message>
        <source>NARROW</source>
        <translation>ESTRECHO</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>ALTA</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>BAJA</translation>
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
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecho</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>====  OPTION DATA  ====</source>
        <translation>====  DATOS DE OPCIONES  ====</translation>
    </message>
    <message>
        <source>### RX OPTION ###</source>
        <translation>### OPCIONES RX ###</translation>
    </message>
    <message>
        <source>1. POWER SAVE MODE</source>
        <translation>1. AHORRO DE ENERGÍA</translation>
    </message>
    <message>
        <source>2. DELAY TIME</source>
        <translation>2. RETARDO</translation>
    </message>
    <message>
        <source>3. POWER SAVE ON TIME</source>
        <translation>3. AHORRO: TIEMPO ENCENDIDO</translation>
    </message>
    <message>
        <source>4. POWER SAVE OFF TIME</source>
        <translation>4. AHORRO: TIEMPO APAGADO</translation>
    </message>
    <message>
        <source>### TX OPTION ###</source>
        <translation>### OPCIONES TX ###</translation>
    </message>
    <message>
        <source>1. TX TIME OUT TIME</source>
        <translation>1. TIEMPO MÁXIMO DE TX</translation>
    </message>
    <message>
        <source>2. BEEP WHEN HANG ON TIME</source>
        <translation>2. PITIDO EN RETENCIÓN</translation>
    </message>
    <message>
        <source>3. TX TONE GENERATION</source>
        <translation>3. TONO DE TX</translation>
    </message>
    <message>
        <source>FOR DATA INPUT</source>
        <translation>PARA ENTRADA DE DATOS</translation>
    </message>
    <message>
        <source>4. BUSY CHANNEL LOCKOUT</source>
        <translation>4. BLOQUEO CANAL OCUPADO</translation>
    </message>
    <message>
        <source>5. ENABLES TX MATCHED SAT</source>
        <translation>5. TX CON TONO COINCIDENTE</translation>
    </message>
    <message>
        <source>6. TX DELAY</source>
        <translation>6. RETARDO DE TX</translation>
    </message>
    <message>
        <source>### SCAN OPTION ###</source>
        <translation>### RASTREO ###</translation>
    </message>
    <message>
        <source>1. SCAN DELAY TIME</source>
        <translation>1. RETARDO DE RASTREO</translation>
    </message>
    <message>
        <source>2. SCAN SPEED TIME</source>
        <translation>2. VELOCIDAD DE RASTREO</translation>
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
        <translation>2. CICLO DE TRANSMISIÓN</translation>
    </message>
    <message>
        <source>3. DATA TRANSMISSION TIME</source>
        <translation>3. TIEMPO DE TX DE DATOS</translation>
    </message>
    <message>
        <source>4. DATA DELAY TIME</source>
        <translation>4. RETARDO DE DATOS</translation>
    </message>
    <message>
        <source>### MODEM OPTION ###</source>
        <translation>### MÓDEM ###</translation>
    </message>
    <message>
        <source>1. MODEM</source>
        <translation>1. MÓDEM</translation>
    </message>
    <message>
        <source>2. MODEM BAUD RATE</source>
        <translation>2. BAUDIOS DEL MÓDEM</translation>
    </message>
    <message>
        <source>2.1 S BAND</source>
        <translation>2.1 BANDA S</translation>
    </message>
    <message>
        <source>2.2 N BAND</source>
        <translation>2.2 BANDA N</translation>
    </message>
    <message>
        <source>### SYSTEM OPTION 2 ###</source>
        <translation>### OPCIONES DE SISTEMA 2 ###</translation>
    </message>
    <message>
        <source>1. BASE BLOCK SIZE 1</source>
        <translation>1. TAMAÑO DE BLOQUE BASE</translation>
    </message>
    <message>
        <source>2. PREAMBLE DATA SIZE</source>
        <translation>2. LONGITUD DEL PREÁMBULO</translation>
    </message>
    <message>
        <source>3. WAIT FOR BUSY TIME</source>
        <translation>3. ESPERA POR OCUPADO</translation>
    </message>
    <message>
        <source>4. FLOW CONTROL</source>
        <translation>4. CONTROL DE FLUJO</translation>
    </message>
    <message>
        <source>5. TX DELAY TIME 1</source>
        <translation>5. RETARDO DE TX 1</translation>
    </message>
    <message>
        <source>6. TX DELAY TIME 2(TONE ONLY)</source>
        <translation>6. RETARDO TX 2 (SOLO TONO)</translation>
    </message>
    <message>
        <source>7. NUMBER OF ALLOWABLE ERRORS</source>
        <translation>7. ERRORES ADMITIDOS</translation>
    </message>
    <message>
        <source>FOR START BIT</source>
        <translation>EN EL BIT DE INICIO</translation>
    </message>
    <message>
        <source>### SYSTEM OPTION 1 ###</source>
        <translation>### OPCIONES DE SISTEMA 1 ###</translation>
    </message>
    <message>
        <source>1. MODE</source>
        <translation>1. MODO</translation>
    </message>
    <message>
        <source>2. TX FORCING MODE</source>
        <translation>2. FORZAR TX</translation>
    </message>
    <message>
        <source>3. INITIALIZING DATA FOR HT</source>
        <translation>3. DATOS INICIALES PORTÁTIL</translation>
    </message>
    <message>
        <source>### SYSTEM OPTION 3 ###</source>
        <translation>### OPCIONES DE SISTEMA 3 ###</translation>
    </message>
    <message>
        <source>1. TX OFF DELAY</source>
        <translation>1. RETARDO TX APAGADO</translation>
    </message>
    <message>
        <source>2. TX ON TIME</source>
        <translation>2. TIEMPO TX ENCENDIDO</translation>
    </message>
    <message>
        <source>3. RX ON DELAY</source>
        <translation>3. RETARDO RX ENCENDIDO</translation>
    </message>
    <message>
        <source>: ON</source>
        <translation>: SÍ</translation>
    </message>
    <message>
        <source>: OFF</source>
        <translation>: NO</translation>
    </message>
    <message>
        <source>: Enable</source>
        <translation>: Activado</translation>
    </message>
    <message>
        <source>: Disable</source>
        <translation>: Desactivado</translation>
    </message>
    <message>
        <source>** Squelch Disabled **</source>
        <translation>** Silenciador desactivado **</translation>
    </message>
    <message>
        <source>** Rssi Level Check **</source>
        <translation>** Nivel RSSI **</translation>
    </message>
    <message>
        <source>** Busy Port Check **</source>
        <translation>** Entrada de ocupado **</translation>
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
        <translation>: %lld h</translation>
    </message>
    <message>
        <source>Modem is not selected</source>
        <translation>Ningún módem elegido</translation>
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
        <translation>: NINGUNO</translation>
    </message>
    <message>
        <source>: %d BYTE</source>
        <translation>: %d BYTES</translation>
    </message>
    <message>
        <source>: %d BIT</source>
        <translation>: %d BITS</translation>
    </message>
    <message>
        <source>Test Mode Enable</source>
        <translation>Modo de prueba activo</translation>
    </message>
    <message>
        <source>: Auto Mode</source>
        <translation>: Automático</translation>
    </message>
    <message>
        <source>: Dumb Mode</source>
        <translation>: Transparente</translation>
    </message>
    <message>
        <source>%s DATA SHEET</source>
        <translation>HOJA DE DATOS %s</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>false</source>
        <translation>no</translation>
    </message>
    <message>
        <source>true</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>model</source>
        <translation>modelo</translation>
    </message>
    <message>
        <source>sub-band</source>
        <translation>subbanda</translation>
    </message>
    <message>
        <source>time-out timer</source>
        <translation>limitador de tiempo de transmisión</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tiempo máximo de transmisión</translation>
    </message>
    <message>
        <source>hang timer</source>
        <translation>tiempo de retención</translation>
    </message>
    <message>
        <source>hang time</source>
        <translation>duración de retención</translation>
    </message>
    <message>
        <source>busy channel lockout</source>
        <translation>bloqueo de canal ocupado</translation>
    </message>
    <message>
        <source>tx matched SAT</source>
        <translation>TX solo con tono SAT coincidente</translation>
    </message>
    <message>
        <source>tx delay</source>
        <translation>retardo de transmisión</translation>
    </message>
    <message>
        <source>power save</source>
        <translation>ahorro de energía</translation>
    </message>
    <message>
        <source>power save delay</source>
        <translation>retardo del ahorro de energía</translation>
    </message>
    <message>
        <source>power save rx off time</source>
        <translation>ahorro de energía: tiempo RX apagado</translation>
    </message>
    <message>
        <source>power save rx on time</source>
        <translation>ahorro de energía: tiempo RX encendido</translation>
    </message>
    <message>
        <source>squelch</source>
        <translation>silenciador</translation>
    </message>
    <message>
        <source>squelch type</source>
        <translation>tipo de silenciador</translation>
    </message>
    <message>
        <source>rssi</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>busy-port</source>
        <translation>entrada de ocupado</translation>
    </message>
    <message>
        <source>hang-on beep</source>
        <translation>pitido al final de la transmisión</translation>
    </message>
    <message>
        <source>tx tone for data</source>
        <translation>tono de TX para datos</translation>
    </message>
    <message>
        <source>external modulation</source>
        <translation>modulación externa</translation>
    </message>
    <message>
        <source>scan delay</source>
        <translation>retardo del rastreo</translation>
    </message>
    <message>
        <source>scan speed</source>
        <translation>velocidad del rastreo</translation>
    </message>
    <message>
        <source>gps</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>gps cycle</source>
        <translation>ciclo GPS</translation>
    </message>
    <message>
        <source>gps tx time</source>
        <translation>tiempo de TX GPS</translation>
    </message>
    <message>
        <source>gps delay</source>
        <translation>retardo GPS</translation>
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
        <translation>módem</translation>
    </message>
    <message>
        <source>afsk variant</source>
        <translation>variante AFSK</translation>
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
        <translation>baudios banda S</translation>
    </message>
    <message>
        <source>n-band baud</source>
        <translation>baudios banda N</translation>
    </message>
    <message>
        <source>base block</source>
        <translation>bloque base</translation>
    </message>
    <message>
        <source>base block size</source>
        <translation>tamaño del bloque base</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>preamble size</source>
        <translation>longitud del preámbulo</translation>
    </message>
    <message>
        <source>wait for busy time</source>
        <translation>espera por canal ocupado</translation>
    </message>
    <message>
        <source>flow control</source>
        <translation>control de flujo</translation>
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
        <translation>retardo de TX 1</translation>
    </message>
    <message>
        <source>tx delay 2</source>
        <translation>retardo de TX 2</translation>
    </message>
    <message>
        <source>start bit errors</source>
        <translation>errores de bit de inicio</translation>
    </message>
    <message>
        <source>modem mode</source>
        <translation>modo del módem</translation>
    </message>
    <message>
        <source>dumb</source>
        <translation>transparente</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>tx forcing</source>
        <translation>forzar TX</translation>
    </message>
    <message>
        <source>init data for HT</source>
        <translation>datos iniciales para portátil</translation>
    </message>
    <message>
        <source>tx off delay</source>
        <translation>retardo de TX apagado</translation>
    </message>
    <message>
        <source>tx on delay</source>
        <translation>retardo de TX encendido</translation>
    </message>
    <message>
        <source>rx on delay</source>
        <translation>retardo de RX encendido</translation>
    </message>
    <message>
        <source>modem test mode</source>
        <translation>modo de prueba del módem</translation>
    </message>
    <message>
        <source>byte option</source>
        <translation>opción de bytes</translation>
    </message>
    <message>
        <source>calibration scan mode</source>
        <translation>modo de rastreo de calibración</translation>
    </message>
    <message>
        <source>last ctcss looked up</source>
        <translation>último CTCSS consultado</translation>
    </message>
    <message>
        <source>last dcs looked up</source>
        <translation>último DCS consultado</translation>
    </message>
    <message>
        <source>reserved 1</source>
        <translation>reservado 1</translation>
    </message>
    <message>
        <source>reserved 2</source>
        <translation>reservado 2</translation>
    </message>
    <message>
        <source>reserved int 2</source>
        <translation>reservado (entero) 2</translation>
    </message>
    <message>
        <source>reserved int 3</source>
        <translation>reservado (entero) 3</translation>
    </message>
    <message>
        <source>service byte 12</source>
        <translation>byte de servicio 12</translation>
    </message>
    <message>
        <source>service byte 13</source>
        <translation>byte de servicio 13</translation>
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
        <translation>paso</translation>
    </message>
    <message>
        <source>two-tone A frequency</source>
        <translation>bitono: frecuencia A</translation>
    </message>
    <message>
        <source>two-tone B frequency</source>
        <translation>bitono: frecuencia B</translation>
    </message>
    <message>
        <source>two-tone A duration</source>
        <translation>bitono: duración A</translation>
    </message>
    <message>
        <source>two-tone B duration</source>
        <translation>bitono: duración B</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ancho de banda</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>estrecho</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>rastreo</translation>
    </message>
    <message>
        <source>rx signalling</source>
        <translation>señalización RX</translation>
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
        <translation>bitono</translation>
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
        <translation>evaluación de bitono</translation>
    </message>
    <message>
        <source>tone-a</source>
        <translation>tono A</translation>
    </message>
    <message>
        <source>tone-b</source>
        <translation>tono B</translation>
    </message>
    <message>
        <source>both</source>
        <translation>tonos A y B</translation>
    </message>
    <message>
        <source>tx signalling</source>
        <translation>señalización TX</translation>
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
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <source>Tone isn&apos;t used in GMSK modem</source>
        <translation>El módem GMSK no usa tono</translation>
    </message>
    <message>
        <source>Two Tone isn&apos;t used in FFSK modem</source>
        <translation>El módem FFSK no usa dos tonos</translation>
    </message>
    <message>
        <source>Out of range channel</source>
        <translation>Canal fuera de rango</translation>
    </message>
    <message>
        <source>Fill Rx/Tx Freq. first</source>
        <translation>Primero complete las frecuencias RX/TX</translation>
    </message>
    <message>
        <source>Writing.....!</source>
        <translation>¡Escribiendo.....!</translation>
    </message>
    <message>
        <source>Reading.....!</source>
        <translation>¡Leyendo.....!</translation>
    </message>
    <message>
        <source>Communication Error !!!   Check your radio connection to PC !!!</source>
        <translation>¡¡¡Error de comunicación!!!   ¡¡¡Compruebe la conexión del radio con el PC!!!</translation>
    </message>
    <message>
        <source>Write Fail..!</source>
        <translation>¡Fallo de escritura..!</translation>
    </message>
    <message>
        <source>Read Fail..!</source>
        <translation>¡Fallo de lectura..!</translation>
    </message>
    <message>
        <source>Write Fail!</source>
        <translation>¡Fallo de escritura!</translation>
    </message>
    <message>
        <source>Read Fail!</source>
        <translation>¡Fallo de lectura!</translation>
    </message>
    <message>
        <source>Write cancelled. The radio holds a partly written configuration: write it again before using the radio.</source>
        <translation>Escritura cancelada. El radio tiene una configuración escrita a medias: escríbalo de nuevo antes de usarlo.</translation>
    </message>
    <message>
        <source>Read cancelled. Nothing was changed.</source>
        <translation>Lectura cancelada. No se cambió nada.</translation>
    </message>
    <message>
        <source>Write Data!</source>
        <translation>¡Datos escritos!</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Datos leídos</translation>
    </message>
    <message>
        <source>Verifying: reading the radio back...</source>
        <translation>Verificando: releyendo el radio...</translation>
    </message>
    <message>
        <source>Bytes from the radio were lost (the receive queue was full). Try again.</source>
        <translation>Se perdieron bytes del radio (la cola de recepción estaba llena). Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The serial adapter stopped taking bytes. Check the cable and the adapter, then try again.</source>
        <translation>El adaptador serie dejó de aceptar bytes. Compruebe el cable y el adaptador e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Invalid serial command transfer!</source>
        <translation>¡Transferencia de orden serie no válida!</translation>
    </message>
    <message>
        <source>This command is not allowed!</source>
        <translation>¡Esta orden no está permitida!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>No answer from the radio !!!   Check your radio connection to PC !!!</source>
        <translation>¡¡¡El radio no responde!!!   ¡¡¡Compruebe la conexión del radio con el PC!!!</translation>
    </message>
    <message>
        <source>The radio refused programming mode: it is busy (receiving, transmitting or scanning) or another program holds it. Wait until the radio is idle, close other programming tools, switch the radio off and on, then try again.</source>
        <translation>El radio rechazó el modo de programación: está ocupado (recibiendo, transmitiendo o rastreando) u otro programa lo tiene. Espere a que el radio esté en reposo, cierre otras herramientas de programación, apague y encienda el radio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s answer on {port} was garbled: a cable or baud problem. Use the radio&apos;s programming cable, make sure it sits firmly, close any program that set up {port} at another speed, then try again.</source>
        <translation>La respuesta del radio en {port} llegó alterada: un problema de cable o de baudios. Use el cable de programación del radio, asegúrese de que está bien firme, cierre cualquier programa que haya configurado {port} a otra velocidad e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Bytes from the radio were lost at block {block}; {stored}.</source>
        <translation>Se perdieron bytes del radio en el bloque {block}; {stored}.</translation>
    </message>
    <message>
        <source>Unplug the cable, plug it in again, then try again.</source>
        <translation>Desconecte el cable, vuelva a conectarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>no block was stored, so the radio keeps the configuration it held — write again</source>
        <translation>no se guardó ningún bloque, así que el radio conserva la configuración que tenía — vuelva a escribir</translation>
    </message>
    <message>
        <source>the port</source>
        <translation>el puerto</translation>
    </message>
    <message>
        <source>This file is for UHF. Model type is mismatched.<byte value="xd"/>
<byte value="xd"/>
Please select model again...</source>
        <translation>Este archivo es para UHF. El tipo de modelo no coincide.<byte value="xd"/>
<byte value="xd"/>
Elija el modelo de nuevo...</translation>
    </message>
    <message>
        <source>This file is for VHF. Model type is mismatched.<byte value="xd"/>
<byte value="xd"/>
Please select model again...</source>
        <translation>Este archivo es para VHF. El tipo de modelo no coincide.<byte value="xd"/>
<byte value="xd"/>
Elija el modelo de nuevo...</translation>
    </message>
    <message>
        <source>Model type is wrong.</source>
        <translation>El tipo de modelo es incorrecto.</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>¡No se puede guardar el archivo!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>This is not a file that can be loaded (it is a pipe or a device). Choose a settings file.</source>
        <translation>No es un archivo que se pueda cargar (es una tubería o un dispositivo). Elija un archivo de configuración.</translation>
    </message>
    <message>
        <source>This file is corrupted or wrong file type!</source>
        <translation>¡Este archivo está dañado o no es del tipo correcto!</translation>
    </message>
    <message>
        <source>Channel 16 is programmed and falls off the end when the channels move down.<byte value="xd"/>
<byte value="xd"/>
Insert all the same?</source>
        <translation>El canal 16 está programado y se pierde al bajar los canales.<byte value="xd"/>
<byte value="xd"/>
¿Insertar de todos modos?</translation>
    </message>
    <message>
        <source>All frequencies will be cleared.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Se borrarán todas las frecuencias.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar?</translation>
    </message>
    <message>
        <source>The settings have changed since they were last loaded or saved.<byte value="xd"/>
<byte value="xd"/>
Do you want to save them?</source>
        <translation>Los ajustes han cambiado desde la última vez que se cargaron o guardaron.<byte value="xd"/>
<byte value="xd"/>
¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>Input Hexa code!</source>
        <translation>¡Introduzca un código hexadecimal!</translation>
    </message>
    <message>
        <source>Wrong Hexa data input</source>
        <translation>Dato hexadecimal incorrecto</translation>
    </message>
    <message>
        <source>You should select GMSK, FFSK or AFSK!</source>
        <translation>¡Debe elegir GMSK, FFSK o AFSK!</translation>
    </message>
    <message>
        <source>It is not used in Dumb Mode!</source>
        <translation>¡No se usa en modo simple!</translation>
    </message>
    <message>
        <source>This is Tx Mode</source>
        <translation>El radio está en modo TX</translation>
    </message>
    <message>
        <source>This is FFSK Modem!</source>
        <translation>¡Es un módem FFSK!</translation>
    </message>
    <message>
        <source>This is GMSK Modem!</source>
        <translation>¡Es un módem GMSK!</translation>
    </message>
    <message>
        <source>Valid Settings 50 - 2000 ms</source>
        <translation>Valores válidos 50 - 2000 ms</translation>
    </message>
    <message>
        <source>Valid Settings 1 - 10</source>
        <translation>Valores válidos 1 - 10</translation>
    </message>
    <message>
        <source>Valid Settings 50 - 300</source>
        <translation>Valores válidos 50 - 300</translation>
    </message>
    <message>
        <source>Valid Settings 0 - 16 ms</source>
        <translation>Valores válidos 0 - 16 ms</translation>
    </message>
    <message>
        <source>Valid Settings 0 - 255 ms</source>
        <translation>Valores válidos 0 - 255 ms</translation>
    </message>
    <message>
        <source>Valid Settings 0 - 127 ms</source>
        <translation>Valores válidos 0 - 127 ms</translation>
    </message>
    <message>
        <source>There is no serial trace yet: read or write the radio, or open a service dialog, then save its trace.</source>
        <translation>Aún no hay traza serie: lea o escriba el radio, o abra un diálogo de servicio, y luego guarde su traza.</translation>
    </message>
    <message>
        <source>A problem report holds the program&apos;s version, the operating system, the port list, the serial traces of the last failed transfers (only their frames&apos; kinds and block numbers) and the last 200 lines of the transfer log (plans named only by their digest).<byte value="xd"/>
<byte value="xd"/>
Include the open configuration (as YAML text) and the whole traces, which hold the radios&apos; configurations, too?</source>
        <translation>Un informe de problema contiene la versión del programa, el sistema operativo, la lista de puertos, las trazas serie de las últimas transferencias fallidas (solo el tipo de sus tramas y los números de bloque) y las últimas 200 líneas del registro de transferencias (los planes solo por su resumen).<byte value="xd"/>
<byte value="xd"/>
¿Incluir también la configuración abierta (como texto YAML) y las trazas completas, que contienen las configuraciones de los radios?</translation>
    </message>
    <message>
        <source> KV310 and KV330 16-channel data radios. <byte value="xd"/>
<byte value="xd"/>
 Choose the radio you are going to program. Choosing a model starts a new, empty configuration.<byte value="xd"/>
</source>
        <translation> Radios de datos de 16 canales KV310 y KV330. <byte value="xd"/>
<byte value="xd"/>
 Elija el radio que va a programar. Elegir un modelo inicia una configuración nueva y vacía.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tick the port of at least one radio to write to.</source>
        <translation>Marque el puerto de al menos un radio.</translation>
    </message>
    <message>
        <source>Tone A</source>
        <translation>Tono A</translation>
    </message>
    <message>
        <source>Tone B</source>
        <translation>Tono B</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Tonos A+B</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>SIN TONO</translation>
    </message>
    <message>
        <source>No Timer</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>partly written: block 0 is new, {first}–{last} are not; the radio still holds a mixed configuration — write again</source>
        <translation>escrito a medias: el bloque 0 es nuevo, {first}–{last} no; el radio tiene una configuración mezclada — vuelva a escribir</translation>
    </message>
    <message>
        <source>partly written: blocks 0–{written} are new, {first} is not; the radio still holds a mixed configuration — write again</source>
        <translation>escrito a medias: los bloques 0–{written} son nuevos, {first} no; el radio tiene una configuración mezclada — vuelva a escribir</translation>
    </message>
    <message>
        <source>partly written: blocks 0–{written} are new, {first}–{last} are not; the radio still holds a mixed configuration — write again</source>
        <translation>escrito a medias: los bloques 0–{written} son nuevos, {first}–{last} no; el radio tiene una configuración mezclada — vuelva a escribir</translation>
    </message>
    <message>
        <source> Click to program for {model}. <byte value="xd"/>
<byte value="xd"/>
 The band frequency is <byte value="xd"/>
{low} MHz to {high} MHz.<byte value="xd"/>
</source>
        <translation> Haga clic para programar para {model}. <byte value="xd"/>
<byte value="xd"/>
 La banda de frecuencia es <byte value="xd"/>
{low} MHz a {high} MHz.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The radio did not answer on {port}.</source>
        <translation>El radio no respondió en {port}.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged into the radio, the radio is switched on and not transmitting, and {port} is the cable&apos;s port ({find}).</source>
        <translation>Compruebe que el cable está conectado al radio, que el radio está encendido y no transmite, y que {port} es el puerto del cable ({find}).</translation>
    </message>
    <message>
        <source>The link was lost mid-transfer: the radio lost power (battery, supply), or the cable moved or came loose.</source>
        <translation>Se perdió el enlace en plena transferencia: el radio se quedó sin alimentación (batería, fuente) o el cable se movió o se soltó.</translation>
    </message>
    <message>
        <source>The radio stopped answering at block {block} of 26; {stored}.</source>
        <translation>El radio dejó de responder en el bloque {block} de 26; {stored}.</translation>
    </message>
    <message>
        <source>The radio stopped sending at block {block} of 26.</source>
        <translation>El radio dejó de enviar en el bloque {block} de 26.</translation>
    </message>
    <message>
        <source>Check the radio&apos;s power and the cable first.</source>
        <translation>Compruebe primero la alimentación del radio y el cable.</translation>
    </message>
    <message>
        <source>Check the radio&apos;s power and the cable, then read again.</source>
        <translation>Compruebe la alimentación del radio y el cable, y vuelva a leer.</translation>
    </message>
    <message>
        <source>The radio kept asking for block {block} again (it arrived damaged): a cable or baud problem; {stored}.</source>
        <translation>El radio siguió pidiendo de nuevo el bloque {block} (llegaba dañado): un problema de cable o de baudios; {stored}.</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to block {block} was garbled: a cable or baud problem; {stored}.</source>
        <translation>La respuesta del radio al bloque {block} llegó alterada: un problema de cable o de baudios; {stored}.</translation>
    </message>
    <message>
        <source>Block {block} arrived garbled or damaged every time: a cable or baud problem.</source>
        <translation>El bloque {block} llegó alterado o dañado cada vez: un problema de cable o de baudios.</translation>
    </message>
    <message>
        <source>Check the cable first.</source>
        <translation>Compruebe primero el cable.</translation>
    </message>
    <message>
        <source>Nothing was changed: check the cable and read again.</source>
        <translation>No se cambió nada: compruebe el cable y vuelva a leer.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>The adapter stopped at block {block}; {stored}.</source>
        <translation>El adaptador se detuvo en el bloque {block}; {stored}.</translation>
    </message>
    <message>
        <source>Unplug the cable and plug it in again first.</source>
        <translation>Primero desconecte el cable y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Unplug the cable, plug it in again, then read again.</source>
        <translation>Desconecte el cable, vuelva a conectarlo y vuelva a leer.</translation>
    </message>
    <message>
        <source>Read again.</source>
        <translation>Vuelva a leer.</translation>
    </message>
    <message>
        <source>Verify failed: at 0x{address} the radio holds 0x{held} where 0x{written} was written; {differ}.</source>
        <translation>Verificación fallida: en 0x{address} el radio contiene 0x{held} donde se escribió 0x{written}; {differ}.</translation>
    </message>
    <message>
        <source>Write the radio again; if this repeats, the radio needs service.</source>
        <translation>Vuelva a escribir el radio; si se repite, el radio necesita servicio técnico.</translation>
    </message>
    <message>
        <source>The radio could not be read back, so the write is not proven.</source>
        <translation>No se pudo releer el radio, así que la escritura no está comprobada.</translation>
    </message>
    <message>
        <source>Write the radio again.</source>
        <translation>Vuelva a escribir el radio.</translation>
    </message>
    <message>
        <source>no backup of the radio could be kept (%s), so nothing was written</source>
        <translation>no se pudo guardar una copia de seguridad del radio (%s), así que no se escribió nada</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALLÓ</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>no releído</translation>
    </message>
    <message>
        <source>the transfer failed</source>
        <translation>la transferencia falló</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leídos</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>escritos y verificados</translation>
    </message>
    <message>
        <source>written</source>
        <translation>escritos</translation>
    </message>
    <message>
        <source>1 radio %s.</source>
        <translation>1 radio %s.</translation>
    </message>
    <message>
        <source>All %zu radios %s.</source>
        <translation>Los %zu radios %s.</translation>
    </message>
    <message>
        <source>%d of 1 radio %s; failed: %s.</source>
        <translation>%d de 1 radio %s; fallaron: %s.</translation>
    </message>
    <message>
        <source>%d of %zu radios %s; failed: %s.</source>
        <translation>%d de %zu radios %s; fallaron: %s.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>sin permiso</translation>
    </message>
    <message>
        <source>no permission — add yourself to the dialout group</source>
        <translation>sin permiso — añádase al grupo dialout</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>the adapter has no driver set up (code %d); install the driver the adapter&apos;s maker supplies</source>
        <translation>el adaptador no tiene controlador instalado (código %d); instale el controlador que suministra el fabricante del adaptador</translation>
    </message>
    <message>
        <source>the adapter&apos;s driver did not start it (code %d); use the driver the adapter&apos;s maker supplies, or another cable</source>
        <translation>el controlador no pudo iniciar el adaptador (código %d); use el controlador que suministra el fabricante del adaptador, u otro cable</translation>
    </message>
    <message>
        <source>the adapter is disabled (code %d); enable it in Device Manager</source>
        <translation>el adaptador está deshabilitado (código %d); habilítelo en el Administrador de dispositivos</translation>
    </message>
    <message>
        <source>no driver is installed for the adapter (code %d); install the driver the adapter&apos;s maker supplies</source>
        <translation>no hay ningún controlador instalado para el adaptador (código %d); instale el controlador que suministra el fabricante del adaptador</translation>
    </message>
    <message>
        <source>Windows stopped the adapter after it reported a fault (code %d); plug it into another USB socket, or use another cable</source>
        <translation>Windows detuvo el adaptador tras informar de un fallo (código %d); conéctelo a otro puerto USB o use otro cable</translation>
    </message>
    <message>
        <source>the adapter&apos;s driver reports a problem (code %d); see the adapter in Device Manager, or use another cable</source>
        <translation>el controlador del adaptador informa de un problema (código %d); revise el adaptador en el Administrador de dispositivos o use otro cable</translation>
    </message>
    <message>
        <source>USB modem adapter</source>
        <translation>adaptador de módem USB</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>adaptador serie USB</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Radio simulado</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>in use by another program (process %d)</source>
        <translation>en uso por otro programa (proceso %d)</translation>
    </message>
    <message>
        <source>in use by %s (process %d)</source>
        <translation>en uso por %s (proceso %d)</translation>
    </message>
    <message>
        <source>driver failed (code %d)</source>
        <translation>falló el controlador (código %d)</translation>
    </message>
    <message>
        <source>serial %s</source>
        <translation>número de serie %s</translation>
    </message>
    <message>
        <source>%s has no port: %s.</source>
        <translation>%s no tiene puerto: %s.</translation>
    </message>
    <message>
        <source>%s cannot be used: no permission. Add yourself to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>%s no se puede usar: sin permiso. Añádase al grupo dialout (sudo usermod -aG dialout $USER) y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>%s is %s. Close that program, then try again.</source>
        <translation>%s está %s. Cierre ese programa y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%s is not present. Plug in the programming cable, or pick its port (Port &gt; Find the Cable).</source>
        <translation>%s no está presente. Conecte el cable de programación o elija su puerto (Puerto &gt; Buscar el cable).</translation>
    </message>
    <message>
        <source>Stopped before the write: the radio holds what it held.</source>
        <translation>Detenido antes de escribir: el radio conserva lo que tenía.</translation>
    </message>
    <message>
        <source>1 byte differs</source>
        <translation>1 byte difiere</translation>
    </message>
    <message>
        <source>%d bytes differ</source>
        <translation>%d bytes difieren</translation>
    </message>
    <message>
        <source>Port &gt; Find the Cable</source>
        <translation>Puerto &gt; Buscar el cable</translation>
    </message>
    <message>
        <source>Time out timer</source>
        <translation>Límite de TX</translation>
    </message>
    <message>
        <source>Hang timer</source>
        <translation>Retención</translation>
    </message>
    <message>
        <source>Power save delay time (list position)</source>
        <translation>Ahorro: retardo (posición en la lista)</translation>
    </message>
    <message>
        <source>Power save Rx off time</source>
        <translation>Ahorro: tiempo RX apagado</translation>
    </message>
    <message>
        <source>Power save Rx on time</source>
        <translation>Ahorro: tiempo RX encendido</translation>
    </message>
    <message>
        <source>Scan delay time (list position)</source>
        <translation>Retardo de rastreo (posición en la lista)</translation>
    </message>
    <message>
        <source>Scan speed time</source>
        <translation>Velocidad de rastreo</translation>
    </message>
    <message>
        <source>GPS transmission cycle (list position)</source>
        <translation>Ciclo de transmisión GPS (posición en la lista)</translation>
    </message>
    <message>
        <source>GPS data transmission time</source>
        <translation>Tiempo de envío de datos GPS</translation>
    </message>
    <message>
        <source>GPS data delay time</source>
        <translation>Retardo de datos GPS</translation>
    </message>
    <message>
        <source>Base block size (list position)</source>
        <translation>Tamaño del bloque base (posición en la lista)</translation>
    </message>
    <message>
        <source>Preamble data size (list position)</source>
        <translation>Longitud del preámbulo (posición en la lista)</translation>
    </message>
    <message>
        <source>Wait for busy time (list position)</source>
        <translation>Espera por canal ocupado (posición en la lista)</translation>
    </message>
    <message>
        <source>Flow control (list position)</source>
        <translation>Control de flujo (posición en la lista)</translation>
    </message>
    <message>
        <source>Tx delay time 1 (list position)</source>
        <translation>Retardo TX 1 (posición en la lista)</translation>
    </message>
    <message>
        <source>Tx delay time 2 (list position)</source>
        <translation>Retardo TX 2 (posición en la lista)</translation>
    </message>
    <message>
        <source>Allowable errors for start bit</source>
        <translation>Errores admitidos en el bit de inicio</translation>
    </message>
    <message>
        <source>Tx off delay</source>
        <translation>Retardo TX apagado</translation>
    </message>
    <message>
        <source>Tx on time</source>
        <translation>Tiempo TX encendido</translation>
    </message>
    <message>
        <source>Rx on delay</source>
        <translation>Retardo RX encendido</translation>
    </message>
    <message>
        <source>Sub-band</source>
        <translation>Subbanda</translation>
    </message>
    <message>
        <source>Service byte 1</source>
        <translation>Byte de servicio 1</translation>
    </message>
    <message>
        <source>Service byte 2</source>
        <translation>Byte de servicio 2</translation>
    </message>
    <message>
        <source>model row %d</source>
        <translation>fila de modelo %d</translation>
    </message>
    <message>
        <source>the radio is a %s, the plan is for a %s</source>
        <translation>el radio es un %s, la configuración es para un %s</translation>
    </message>
    <message>
        <source>the radio is a %s, the backup is for a %s</source>
        <translation>el radio es un %s, la copia de seguridad es para un %s</translation>
    </message>
    <message>
        <source>Model row %d is none of the radios this program offers (rows 2 to 5)</source>
        <translation>La fila de modelo %d no es ninguno de los radios que ofrece este programa (filas 2 a 5)</translation>
    </message>
    <message>
        <source>Sub-band %d does not exist: the %s has %d</source>
        <translation>La subbanda %d no existe: el %s tiene %d</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz: its synthesizer divider (%lld steps of %s) does not fit the radio&apos;s %d bits; the radio would tune %.5f MHz</source>
        <translation>Canal %d %s %.5f MHz: su divisor del sintetizador (%lld pasos de %s) no cabe en los %d bits del radio; el radio sintonizaría %.5f MHz</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz is not on the channel&apos;s %s grid; the radio would tune %.5f MHz</source>
        <translation>Canal %d %s %.5f MHz no está en la rejilla de %s del canal; el radio sintonizaría %.5f MHz</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz is outside the %s band %s (%.0f to %.0f MHz)</source>
        <translation>Canal %d %s %.5f MHz está fuera de la banda del %s %s (%.0f a %.0f MHz)</translation>
    </message>
    <message>
        <source>Channel %d %s CTCSS %.1f Hz is not in the radio&apos;s tone table; the radio would use %.1f Hz</source>
        <translation>Canal %d %s CTCSS %.1f Hz no está en la tabla de tonos del radio; el radio usaría %.1f Hz</translation>
    </message>
    <message>
        <source>Channel %d %s DCS %03d is not in the radio&apos;s code table; the radio would use DCS %03d</source>
        <translation>Canal %d %s DCS %03d no está en la tabla de códigos del radio; el radio usaría DCS %03d</translation>
    </message>
    <message>
        <source>Channel %d RX two-tone: the %s has no two-tone decoder; the radio would get no RX signalling</source>
        <translation>Canal %d RX dos tonos: el %s no tiene decodificador de dos tonos; el radio no recibiría señalización RX</translation>
    </message>
    <message>
        <source>Channel %d RX two-tone group %d does not exist (0 Tone A, 1 Tone B, 2 Both); the radio would get no RX signalling</source>
        <translation>Canal %d RX grupo de dos tonos %d no existe (0 tono A, 1 tono B, 2 ambos); el radio no recibiría señalización RX</translation>
    </message>
    <message>
        <source>Channel %d two-tone tone %s %.2f Hz is outside 300 to 3000 Hz, the range of the radio&apos;s tone decoder</source>
        <translation>Canal %d dos tonos, tono %s %.2f Hz está fuera de 300 a 3000 Hz, el rango del decodificador de tonos del radio</translation>
    </message>
    <message>
        <source>Channel %d two-tone tone %s duration %.0f ms is outside 100 to 10000 ms, the range its dialog offers</source>
        <translation>Canal %d dos tonos, tono %s duración %.0f ms está fuera de 100 a 10000 ms, el rango que ofrece su diálogo</translation>
    </message>
    <message>
        <source>Channel %d RX signalling option %d does not exist; the radio would get no RX signalling</source>
        <translation>Canal %d opción de señalización RX %d no existe; el radio no recibiría señalización RX</translation>
    </message>
    <message>
        <source>Channel %d TX signalling option %d does not exist; the radio would get no TX signalling</source>
        <translation>Canal %d opción de señalización TX %d no existe; el radio no recibiría señalización TX</translation>
    </message>
    <message>
        <source>Channel %d step code %d: the %s synthesizer has no %s step</source>
        <translation>Canal %d código de paso %d: el sintetizador del %s no tiene paso de %s</translation>
    </message>
    <message>
        <source>Channel %d step code %d: the %s synthesizer has no such step (the radio would get %s)</source>
        <translation>Canal %d código de paso %d: el sintetizador del %s no tiene ese paso (el radio recibiría %s)</translation>
    </message>
    <message>
        <source>%s %lld%s does not fit its %d bits in the radio; the radio would get %lld%s</source>
        <translation>%s %lld%s no cabe en sus %d bits del radio; el radio recibiría %lld%s</translation>
    </message>
    <message>
        <source>%s %lld%s is outside %lld to %lld%s, the range its page offers</source>
        <translation>%s %lld%s está fuera de %lld a %lld%s, el rango que ofrece su página</translation>
    </message>
    <message>
        <source>Channel %d %s %.5f MHz: the radio would hold %.5f MHz (its divider does not fit the radio&apos;s %d bits)</source>
        <translation>Canal %d %s %.5f MHz: el radio guardaría %.5f MHz (su divisor no cabe en los %d bits del radio)</translation>
    </message>
    <message>
        <source>Channel %d is receive-only (TX 0 MHz): the radio gets its RX signalling, but a read of the radio brings the channel back without it</source>
        <translation>Canal %d es solo de recepción (TX 0 MHz): el radio recibe su señalización RX, pero al leer el radio el canal vuelve sin ella</translation>
    </message>
    <message>
        <source>error: %s</source>
        <translation>error: %s</translation>
    </message>
    <message>
        <source>warning: %s</source>
        <translation>aviso: %s</translation>
    </message>
    <message>
        <source>Hangon time for %s can be set <byte value="xd"/>
only one value for all channel</source>
        <translation>El tiempo de retención del %s solo admite <byte value="xd"/>
un valor para todos los canales</translation>
    </message>
    <message>
        <source>%s is supported 180 - 2000 ms for hangon time</source>
        <translation>El %s admite de 180 a 2000 ms de tiempo de retención</translation>
    </message>
    <message>
        <source>The frequency is out of band.<byte value="xd"/>
It should be in %d - %d</source>
        <translation>La frecuencia está fuera de banda.<byte value="xd"/>
Debería estar en %d - %d</translation>
    </message>
    <message>
        <source>Verified: the radio holds the %d bytes written.</source>
        <translation>Verificado: el radio contiene los %d bytes escritos.</translation>
    </message>
    <message>
        <source>Written; the verify was stopped: the radio took all %d blocks, but was not read back.</source>
        <translation>Escrito; la verificación se detuvo: el radio aceptó los %d bloques, pero no se releyó.</translation>
    </message>
    <message>
        <source>Verify failed: the radio could not be read back (%s). The write may not have reached it: write the radio again.</source>
        <translation>Verificación fallida: no se pudo releer el radio (%s). Puede que la escritura no le haya llegado: escriba el radio de nuevo.</translation>
    </message>
    <message>
        <source>this model</source>
        <translation>este modelo</translation>
    </message>
    <message>
        <source>channel %d: step %s kHz does not fit %s; kept %s kHz</source>
        <translation>canal %d: el paso de %s kHz no encaja con %s; se mantiene %s kHz</translation>
    </message>
    <message>
        <source>channel %d: no frequency; signalling kept</source>
        <translation>canal %d: sin frecuencia; se mantiene la señalización</translation>
    </message>
    <message>
        <source>byte 0x%03X: the radio holds %02X, the plan writes %02X</source>
        <translation>byte 0x%03X: el radio contiene %02X, la configuración escribe %02X</translation>
    </message>
    <message>
        <source>Fail to open PORT%d</source>
        <translation>No se puede abrir COM%d</translation>
    </message>
    <message>
        <source>Fail to open %s</source>
        <translation>No se puede abrir %s</translation>
    </message>
    <message>
        <source>byte 0x%03X: the backup holds %02X, the radio&apos;s firmware takes %02X (every write sets it)</source>
        <translation>byte 0x%03X: la copia de seguridad contiene %02X, el firmware del radio toma %02X (cada escritura lo fija)</translation>
    </message>
    <message>
        <source>This file is shorter than a settings file (%zu of %zu bytes): only what it holds was loaded, no channel whole; the rest kept its values. Check the configuration before writing it to a radio.</source>
        <translation>Este archivo es más corto que un archivo de configuración (%zu de %zu bytes): solo se cargó lo que contiene, ningún canal completo; el resto conservó sus valores. Revise la configuración antes de escribirla en un radio.</translation>
    </message>
    <message>
        <source>This file is shorter than a settings file (%zu of %zu bytes): only what it holds was loaded, channels 1 to %zu whole; the rest kept its values. Check the configuration before writing it to a radio.</source>
        <translation>Este archivo es más corto que un archivo de configuración (%zu de %zu bytes): solo se cargó lo que contiene, canales 1 a %zu completos; el resto conservó sus valores. Revise la configuración antes de escribirla en un radio.</translation>
    </message>
    <message>
        <source>This file is shorter than a settings file (%zu of %zu bytes): only what it holds was loaded; the rest kept its values. Check the configuration before writing it to a radio.</source>
        <translation>Este archivo es más corto que un archivo de configuración (%zu de %zu bytes): solo se cargó lo que contiene; el resto conservó sus valores. Revise la configuración antes de escribirla en un radio.</translation>
    </message>
    <message>
        <source>Valid Range : %s to %sMHz</source>
        <translation>Rango válido: %s a %s MHz</translation>
    </message>
    <message>
        <source>Valid Range %s to %sMHz</source>
        <translation>Rango válido: %s a %s MHz</translation>
    </message>
    <message>
        <source>Valid Settings 300 - 3000 Hz</source>
        <translation>Valores válidos 300 - 3000 Hz</translation>
    </message>
    <message>
        <source>Valid Settings 100 - 10000 ms</source>
        <translation>Valores válidos 100 - 10000 ms</translation>
    </message>
    <message>
        <source>Valid Settings 20 to 400</source>
        <translation>Valores válidos 20 a 400</translation>
    </message>
    <message>
        <source>Valid Settings 30 to 260</source>
        <translation>Valores válidos 30 a 260</translation>
    </message>
    <message>
        <source>%s %s is a stored number the page cannot take</source>
        <translation>%s %s es un número almacenado que la página no admite</translation>
    </message>
    <message>
        <source>%s %s fitted to %s</source>
        <translation>%s %s ajustado a %s</translation>
    </message>
    <message>
        <source>%s; kept %s</source>
        <translation>%s; se mantiene %s</translation>
    </message>
    <message>
        <source>%s; now holds %s</source>
        <translation>%s; ahora contiene %s</translation>
    </message>
    <message>
        <source>%s signalling kept as it was: %s</source>
        <translation>señalización %s mantenida como estaba: %s</translation>
    </message>
    <message>
        <source>channel %d: %s</source>
        <translation>canal %d: %s</translation>
    </message>
    <message>
        <source>this model has no such step</source>
        <translation>este modelo no tiene ese paso</translation>
    </message>
    <message>
        <source>the frequencies are not on its grid</source>
        <translation>las frecuencias no están en su rejilla</translation>
    </message>
    <message>
        <source>%s &apos;%s&apos; is no frequency</source>
        <translation>%s «%s» no es una frecuencia</translation>
    </message>
    <message>
        <source>%s %.5f is outside %.0f–%.0f MHz</source>
        <translation>%s %.5f está fuera de %.0f–%.0f MHz</translation>
    </message>
    <message>
        <source>%s %s refused (%s)</source>
        <translation>%s %s rechazado (%s)</translation>
    </message>
    <message>
        <source>%s %s stored as %s</source>
        <translation>%s %s guardado como %s</translation>
    </message>
    <message>
        <source>this model has no two-tone</source>
        <translation>este modelo no tiene dos tonos</translation>
    </message>
    <message>
        <source>two-tone is locked (unlock it with the access code, Ctrl+Shift+T)</source>
        <translation>los dos tonos están bloqueados (desbloquéelos con el código de acceso, Ctrl+Mayús+T)</translation>
    </message>
    <message>
        <source>%s two-tone: %s</source>
        <translation>%s dos tonos: %s</translation>
    </message>
    <message>
        <source>The column &apos;%s&apos; names no channel value and was left out; the columns are %s.</source>
        <translation>La columna «%s» no nombra ningún valor de canal y se omitió; las columnas son %s.</translation>
    </message>
    <message>
        <source>1 row did not fit below channel 16 and was left out.</source>
        <translation>1 fila no cabía después del canal 16 y se omitió.</translation>
    </message>
    <message>
        <source>%d rows did not fit below channel 16 and were left out.</source>
        <translation>%d filas no cabían después del canal 16 y se omitieron.</translation>
    </message>
    <message>
        <source>backups</source>
        <translation>las copias de seguridad</translation>
    </message>
    <message>
        <source>no folder for %s: set HOME, or %s to an absolute path</source>
        <translation>no hay carpeta para %s: defina HOME, o %s con una ruta absoluta</translation>
    </message>
    <message>
        <source>cannot create %s: %s</source>
        <translation>no se puede crear %s: %s</translation>
    </message>
    <message>
        <source>serial traces</source>
        <translation>las trazas serie</translation>
    </message>
    <message>
        <source>the transfer log</source>
        <translation>el registro de transferencias</translation>
    </message>
    <message>
        <source>hang-on time code </source>
        <translation>código de retención </translation>
    </message>
    <message>
        <source>%s (low byte)</source>
        <translation>%s (byte bajo)</translation>
    </message>
    <message>
        <source>%s (high byte)</source>
        <translation>%s (byte alto)</translation>
    </message>
    <message>
        <source>%s (byte %d of %d)</source>
        <translation>%s (byte %d de %d)</translation>
    </message>
    <message>
        <source>%s (bit %d)</source>
        <translation>%s (bit %d)</translation>
    </message>
    <message>
        <source>%s (bits %d-%d)</source>
        <translation>%s (bits %d-%d)</translation>
    </message>
    <message>
        <source>Channel %d: %s, lower</source>
        <translation>Canal %d: %s, inferior</translation>
    </message>
    <message>
        <source>Channel %d: %s, upper</source>
        <translation>Canal %d: %s, superior</translation>
    </message>
    <message>
        <source>Channel %d: %s</source>
        <translation>Canal %d: %s</translation>
    </message>
    <message>
        <source>Channel %d two-tone: %s</source>
        <translation>Canal %d dos tonos: %s</translation>
    </message>
    <message>
        <source>Unused (always 0)</source>
        <translation>Sin uso (siempre 0)</translation>
    </message>
    <message>
        <source>Flags: %s</source>
        <translation>Indicadores: %s</translation>
    </message>
    <message>
        <source>busy-port squelch</source>
        <translation>silenciador por puerto ocupado</translation>
    </message>
    <message>
        <source>hang-on</source>
        <translation>retención</translation>
    </message>
    <message>
        <source>TX time-out on</source>
        <translation>límite de TX activo</translation>
    </message>
    <message>
        <source>TX delay</source>
        <translation>retardo TX</translation>
    </message>
    <message>
        <source>busy channel lockout</source>
        <translation>bloqueo de canal ocupado</translation>
    </message>
    <message>
        <source>TX on matched signalling</source>
        <translation>TX con señalización coincidente</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>any channel scans</source>
        <translation>algún canal en rastreo</translation>
    </message>
    <message>
        <source>TX time-out</source>
        <translation>límite de TX</translation>
    </message>
    <message>
        <source>scan list, channels 1-8</source>
        <translation>lista de rastreo, canales 1-8</translation>
    </message>
    <message>
        <source>scan list, channels 9-16</source>
        <translation>lista de rastreo, canales 9-16</translation>
    </message>
    <message>
        <source>scan delay</source>
        <translation>retardo de rastreo</translation>
    </message>
    <message>
        <source>always set</source>
        <translation>siempre activo</translation>
    </message>
    <message>
        <source>UHF model</source>
        <translation>modelo UHF</translation>
    </message>
    <message>
        <source>PLL IC MB15A02SL</source>
        <translation>CI del PLL MB15A02SL</translation>
    </message>
    <message>
        <source>scan speed</source>
        <translation>velocidad de rastreo</translation>
    </message>
    <message>
        <source>power save on</source>
        <translation>ahorro de energía activo</translation>
    </message>
    <message>
        <source>power-save delay</source>
        <translation>ahorro: retardo</translation>
    </message>
    <message>
        <source>power-save off time</source>
        <translation>ahorro: tiempo apagado</translation>
    </message>
    <message>
        <source>power-save on time</source>
        <translation>ahorro: tiempo encendido</translation>
    </message>
    <message>
        <source>programmed channels 1-8</source>
        <translation>canales programados 1-8</translation>
    </message>
    <message>
        <source>programmed channels 9-16</source>
        <translation>canales programados 9-16</translation>
    </message>
    <message>
        <source>first programmed channel</source>
        <translation>primer canal programado</translation>
    </message>
    <message>
        <source>last programmed channel</source>
        <translation>último canal programado</translation>
    </message>
    <message>
        <source>TX tone for data</source>
        <translation>tono TX para datos</translation>
    </message>
    <message>
        <source>service byte 2</source>
        <translation>byte de servicio 2</translation>
    </message>
    <message>
        <source>constant 0x23</source>
        <translation>constante 0x23</translation>
    </message>
    <message>
        <source>service byte 3 (0x1D)</source>
        <translation>byte de servicio 3 (0x1D)</translation>
    </message>
    <message>
        <source>service byte 4</source>
        <translation>byte de servicio 4</translation>
    </message>
    <message>
        <source>service byte 5</source>
        <translation>byte de servicio 5</translation>
    </message>
    <message>
        <source>service byte 0 (set by the firmware version on a write)</source>
        <translation>byte de servicio 0 (lo fija la versión del firmware al escribir)</translation>
    </message>
    <message>
        <source>hang-on beep</source>
        <translation>pitido durante la retención</translation>
    </message>
    <message>
        <source>service byte 1</source>
        <translation>byte de servicio 1</translation>
    </message>
    <message>
        <source>GMSK modem</source>
        <translation>módem GMSK</translation>
    </message>
    <message>
        <source>TX forcing</source>
        <translation>TX forzada</translation>
    </message>
    <message>
        <source>dumb mode</source>
        <translation>modo simple</translation>
    </message>
    <message>
        <source>modem on</source>
        <translation>módem activo</translation>
    </message>
    <message>
        <source>baud code</source>
        <translation>código de baudios</translation>
    </message>
    <message>
        <source>TX on time</source>
        <translation>tiempo TX encendido</translation>
    </message>
    <message>
        <source>TX off delay</source>
        <translation>retardo TX apagado</translation>
    </message>
    <message>
        <source>RX on delay</source>
        <translation>retardo RX encendido</translation>
    </message>
    <message>
        <source>GPS delay</source>
        <translation>retardo GPS</translation>
    </message>
    <message>
        <source>service byte 6 (0x11)</source>
        <translation>byte de servicio 6 (0x11)</translation>
    </message>
    <message>
        <source>service byte 7 (0x0F)</source>
        <translation>byte de servicio 7 (0x0F)</translation>
    </message>
    <message>
        <source>service bytes 8-11</source>
        <translation>bytes de servicio 8-11</translation>
    </message>
    <message>
        <source>GPS TX time</source>
        <translation>tiempo de TX GPS</translation>
    </message>
    <message>
        <source>GPS cycle</source>
        <translation>ciclo GPS</translation>
    </message>
    <message>
        <source>step</source>
        <translation>paso</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>estrecha</translation>
    </message>
    <message>
        <source>high power</source>
        <translation>potencia alta</translation>
    </message>
    <message>
        <source>RX divider N bits 10-8</source>
        <translation>divisor RX N bits 10-8</translation>
    </message>
    <message>
        <source>RX divider N bits 7-0</source>
        <translation>divisor RX N bits 7-0</translation>
    </message>
    <message>
        <source>RX swallow count A</source>
        <translation>contador swallow RX A</translation>
    </message>
    <message>
        <source>RX signalling code</source>
        <translation>código de señalización RX</translation>
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
        <translation>banda VCO TX</translation>
    </message>
    <message>
        <source>TX divider N bits 10-8</source>
        <translation>divisor TX N bits 10-8</translation>
    </message>
    <message>
        <source>TX divider N bits 7-0</source>
        <translation>divisor TX N bits 7-0</translation>
    </message>
    <message>
        <source>TX swallow count A</source>
        <translation>contador swallow TX A</translation>
    </message>
    <message>
        <source>TX signalling code</source>
        <translation>código de señalización TX</translation>
    </message>
    <message>
        <source>slot checksum</source>
        <translation>suma de control de la ranura</translation>
    </message>
    <message>
        <source>preamble size</source>
        <translation>longitud del preámbulo</translation>
    </message>
    <message>
        <source>base block size</source>
        <translation>tamaño del bloque base</translation>
    </message>
    <message>
        <source>AFSK Bell 202</source>
        <translation>AFSK Bell 202</translation>
    </message>
    <message>
        <source>AFSK modem</source>
        <translation>módem AFSK</translation>
    </message>
    <message>
        <source>start bit errors</source>
        <translation>errores del bit de inicio</translation>
    </message>
    <message>
        <source>wait busy time</source>
        <translation>espera por canal ocupado</translation>
    </message>
    <message>
        <source>TX delay time 1</source>
        <translation>retardo TX 1</translation>
    </message>
    <message>
        <source>KV310 UHF</source>
        <translation>KV310 UHF</translation>
    </message>
    <message>
        <source>init data for HT</source>
        <translation>datos de inicio para HT</translation>
    </message>
    <message>
        <source>flow control</source>
        <translation>control de flujo</translation>
    </message>
    <message>
        <source>TX delay time 2</source>
        <translation>retardo TX 2</translation>
    </message>
    <message>
        <source>constant 0x40</source>
        <translation>constante 0x40</translation>
    </message>
    <message>
        <source>base block</source>
        <translation>bloque base</translation>
    </message>
    <message>
        <source>squelch off</source>
        <translation>silenciador apagado</translation>
    </message>
    <message>
        <source>KV310</source>
        <translation>KV310</translation>
    </message>
    <message>
        <source>service byte 12</source>
        <translation>byte de servicio 12</translation>
    </message>
    <message>
        <source>VHF model (0xFF)</source>
        <translation>modelo VHF (0xFF)</translation>
    </message>
    <message>
        <source>service byte 13</source>
        <translation>byte de servicio 13</translation>
    </message>
    <message>
        <source>external modulation</source>
        <translation>modulación externa</translation>
    </message>
    <message>
        <source>model row</source>
        <translation>fila de modelo</translation>
    </message>
    <message>
        <source>sub-band</source>
        <translation>subbanda</translation>
    </message>
    <message>
        <source>tone A tolerance</source>
        <translation>tolerancia del tono A</translation>
    </message>
    <message>
        <source>tone B tolerance</source>
        <translation>tolerancia del tono B</translation>
    </message>
    <message>
        <source>two-tone coefficients</source>
        <translation>coeficientes de dos tonos</translation>
    </message>
    <message>
        <source>tone A coefficient X_A</source>
        <translation>coeficiente X_A del tono A</translation>
    </message>
    <message>
        <source>tone A duration count D_A</source>
        <translation>contador de duración D_A del tono A</translation>
    </message>
    <message>
        <source>tone B coefficient X_B</source>
        <translation>coeficiente X_B del tono B</translation>
    </message>
    <message>
        <source>tone B duration count D_B</source>
        <translation>contador de duración D_B del tono B</translation>
    </message>
    <message>
        <source>tone A multiplier K_A</source>
        <translation>multiplicador K_A del tono A</translation>
    </message>
    <message>
        <source>tone B multiplier K_B</source>
        <translation>multiplicador K_B del tono B</translation>
    </message>
    <message>
        <source>{file} could not be written: {reason}. Nothing on the disk was changed; free some space or choose another place with File &gt; Save As.</source>
        <translation>No se pudo escribir {file}: {reason}. No se cambió nada en el disco; libere espacio o elija otro lugar con Archivo &gt; Guardar como.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Canal %d %s</translation>
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
        <translation>ancho</translation>
    </message>
    <message>
        <source>RX signalling</source>
        <translation>señalización RX</translation>
    </message>
    <message>
        <source>TX signalling</source>
        <translation>señalización TX</translation>
    </message>
    <message>
        <source>model and sub-band</source>
        <translation>modelo y subbanda</translation>
    </message>
    <message>
        <source>squelch type</source>
        <translation>tipo de silenciador</translation>
    </message>
    <message>
        <source>modem type</source>
        <translation>tipo de módem</translation>
    </message>
    <message>
        <source>baud rates</source>
        <translation>velocidades en baudios</translation>
    </message>
    <message>
        <source>Channel %d scan</source>
        <translation>Canal %d rastreo</translation>
    </message>
    <message>
        <source>%s: plan %s, radio %s</source>
        <translation>%s: plan %s, radio %s</translation>
    </message>
    <message>
        <source>Reading what the radio holds...</source>
        <translation>Leyendo lo que tiene la radio...</translation>
    </message>
    <message>
        <source>%s (the radio could not be read first), so nothing was written</source>
        <translation>%s (no se pudo leer primero la radio), así que no se escribió nada</translation>
    </message>
    <message>
        <source>The whole image goes out: the radio&apos;s own bytes are reset to the plan&apos;s, its calibration (service bytes 0-11) and its synthesizer chip flag among them.</source>
        <translation>Se envía la imagen completa: los bytes propios de la radio se restablecen a los del plan, entre ellos su calibración (bytes de servicio 0-11) y el indicador de su chip sintetizador.</translation>
    </message>
    <message>
        <source>; and %d more</source>
        <translation>; y %d más</translation>
    </message>
    <message>
        <source>Verify failed: the radio took every byte, but reads back as another configuration than the plan: %s. Write the whole image (it resets the radio&apos;s own bytes) or have the radio serviced.</source>
        <translation>Verificación fallida: la radio aceptó todos los bytes, pero se lee como otra configuración distinta del plan: %s. Escriba la imagen completa (restablece los bytes propios de la radio) o lleve la radio al servicio técnico.</translation>
    </message>
    <message>
        <source>Left out, Location %s: %s.</source>
        <translation>Omitida, Location %s: %s.</translation>
    </message>
    <message>
        <source>channel %d (Location %s): %s</source>
        <translation>canal %d (Location %s): %s</translation>
    </message>
    <message>
        <source>The radio keeps no channel names or comments; the list&apos;s were left out.</source>
        <translation>La radio no guarda nombres ni comentarios de canal; los de la lista se omitieron.</translation>
    </message>
    <message>
        <source>CrossMode &apos;%s&apos; is unknown</source>
        <translation>CrossMode &apos;%s&apos; es desconocido</translation>
    </message>
    <message>
        <source>%s (reverse squelch) is one the radio lacks</source>
        <translation>%s (silenciador inverso) no lo tiene la radio</translation>
    </message>
    <message>
        <source>Tone &apos;%s&apos; is unknown</source>
        <translation>Tone &apos;%s&apos; es desconocido</translation>
    </message>
    <message>
        <source>the radio has no CTCSS tone &apos;%s&apos;</source>
        <translation>la radio no tiene el tono CTCSS &apos;%s&apos;</translation>
    </message>
    <message>
        <source>the radio has no DCS code &apos;%s&apos;</source>
        <translation>la radio no tiene el código DCS &apos;%s&apos;</translation>
    </message>
    <message>
        <source>DCS code %s is inverted (DtcsPolarity %s); the radio sends and hears codes only as they are</source>
        <translation>el código DCS %s está invertido (DtcsPolarity %s); la radio envía y oye los códigos solo tal como son</translation>
    </message>
    <message>
        <source>Frequency &apos;%s&apos; is no frequency</source>
        <translation>Frequency &apos;%s&apos; no es una frecuencia</translation>
    </message>
    <message>
        <source>Offset &apos;%s&apos; is no frequency</source>
        <translation>Offset &apos;%s&apos; no es una frecuencia</translation>
    </message>
    <message>
        <source>Duplex &apos;%s&apos; is unknown</source>
        <translation>Duplex &apos;%s&apos; es desconocido</translation>
    </message>
    <message>
        <source>%s outside the band, %.0f–%.0f MHz</source>
        <translation>%s fuera de la banda, %.0f–%.0f MHz</translation>
    </message>
    <message>
        <source>%s/%s MHz lie on no step of the radio; fitted to %s/%s</source>
        <translation>%s/%s MHz no caen en ningún paso de la radio; ajustadas a %s/%s</translation>
    </message>
    <message>
        <source>TStep %s kHz: %s kHz taken</source>
        <translation>TStep %s kHz: se toman %s kHz</translation>
    </message>
    <message>
        <source>%s is a mode the radio lacks</source>
        <translation>%s es un modo que la radio no tiene</translation>
    </message>
    <message>
        <source>fitted to a step, it falls outside the band</source>
        <translation>ajustada a un paso, queda fuera de la banda</translation>
    </message>
    <message>
        <source>No row of the list went into a channel.</source>
        <translation>Ninguna fila de la lista entró en un canal.</translation>
    </message>
    <message>
        <source>1 row went into the channel its Location names.</source>
        <translation>1 fila entró en el canal que nombra su Location.</translation>
    </message>
    <message>
        <source>1 row went into channel 1.</source>
        <translation>1 fila entró en el canal 1.</translation>
    </message>
    <message>
        <source>%zu rows went into the channels their Locations name.</source>
        <translation>%zu filas entraron en los canales que nombran sus Locations.</translation>
    </message>
    <message>
        <source>%zu rows went into channels 1 to %zu in the list&apos;s order.</source>
        <translation>%zu filas entraron en los canales 1 a %zu en el orden de la lista.</translation>
    </message>
    <message>
        <source>no channel left (the radio has 16)</source>
        <translation>no queda canal libre (la radio tiene 16)</translation>
    </message>
    <message>
        <source>Left out, Locations %s: %s.</source>
        <translation>Omitidas, Locations %s: %s.</translation>
    </message>
    <message>
        <source>channel %d: CHIRP has no column for two-tone on receive; written without it</source>
        <translation>canal %d: CHIRP no tiene columna para dos tonos en recepción; se escribió sin ellos</translation>
    </message>
    <message>
        <source>Power &apos;%s&apos; taken as high</source>
        <translation>Power &apos;%s&apos; tomada como alta</translation>
    </message>
    <message>
        <source>Power &apos;%s&apos; taken as low</source>
        <translation>Power &apos;%s&apos; tomada como baja</translation>
    </message>
    <message>
        <source>Channel %d: %s MHz is outside %s–%s MHz</source>
        <translation>Canal %d: %s MHz está fuera de %s–%s MHz</translation>
    </message>
    <message>
        <source>channel %d %s</source>
        <translation>canal %d %s</translation>
    </message>
    <message>
        <source>A radio transfer is running.<byte value="xd"/>
<byte value="xd"/>
Stop it and close the program? A write stopped now leaves the radio holding a partly written configuration until it is written again.</source>
        <translation>Hay una transferencia con el radio en curso.<byte value="xd"/>
<byte value="xd"/>
¿Detenerla y cerrar el programa? Una escritura detenida ahora deja en el radio una configuración escrita a medias hasta que se vuelva a escribir.</translation>
    </message>
    <message>
        <source>Stop writing the radios now? A radio stopped half-way holds a partly written configuration until it is written again.</source>
        <translation>¿Detener ahora la escritura de los radios? Un radio detenido a medias tiene una configuración escrita a medias hasta que se vuelva a escribir.</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Escritura cancelada</translation>
    </message>
    <message>
        <source>service byte %d: radio %02X, backup %02X — this radio&apos;s calibration</source>
        <translation>byte de servicio %d: radio %02X, copia %02X — la calibración de esta radio</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
</TS>
