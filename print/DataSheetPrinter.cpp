#include "DataSheetPrinter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "DataSheet.h"
#include "FileIo.h"
#include "TextMark.h"

static void InitSheetCatalogues() {
    Q_INIT_RESOURCE(kv310_translations);
}

namespace {

// A line wider than this never occurs; the rectangle only anchors the text's top-left corner.
constexpr double kItemBoxTwips = 20000.0;
// A real printer cannot print the outer quarter inch; the PDF leaves the same margin.
constexpr double kPdfMarginMm = 6.35;
constexpr int kPdfResolution = 1200;

bool Fail(std::string* error, const std::string& text) {
    if (error != nullptr) {
        *error = text;
    }
    return false;
}

void PaintPage(QPainter& painter, const CSheetPage& items) {
    for (const SSheetItem& item : items) {
        const QRectF box(item.nX, item.nY, kItemBoxTwips, kItemBoxTwips);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         QString::fromStdString(item.strText));
    }
}

QFont SheetFont(const SSheetFont& sheetFont) {
    QFont font(QString::fromStdString(sheetFont.strFace));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(sheetFont.nWeight >= 700 ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (!QFontInfo(font).fixedPitch()) {
        // Where Courier New is missing, the system's monospaced font keeps the columns straight.
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }
    // Under the twips scaling a point size would be scaled twice; the pixel size is the height in twips.
    font.setPixelSize(sheetFont.nHeightTwips);
    return font;
}

// Drawing offscreen, Qt reads its fonts from files, by default from a folder of its own installation. On
// Windows the system's fonts folder has them (Courier New among them); without it the sheet has no text.
bool UseSystemFontFiles() {
#ifdef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        const QString windows = qEnvironmentVariable("SystemRoot", QStringLiteral("C:\\Windows"));
        qputenv("QT_QPA_FONTDIR", (windows + QStringLiteral("\\Fonts")).toLocal8Bit());
    }
#endif
    return true;
}

// Qt's notes on the session it runs in ("QStandardPaths: XDG_RUNTIME_DIR not set ...") are nothing a user
// printing a data sheet can act on: the command-line tool's stderr carries its own messages only. Qt's
// critical and fatal messages still pass.
QtMessageHandler g_pPreviousQtHandler = nullptr;

void DropQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        if (g_pPreviousQtHandler != nullptr) {
            g_pPreviousQtHandler(type, context, text);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    }
}

// The command-line tool has no application object of its own; fonts and painters need one. Qt takes the
// options it knows out of the arguments, so every application gets fresh ones that live as long as it does.
struct SHeadlessApplication {
    SHeadlessApplication() : app(argc, argv) {}
    ~SHeadlessApplication() { qInstallMessageHandler(previousHandler); }
    SHeadlessApplication(const SHeadlessApplication&) = delete;
    SHeadlessApplication& operator=(const SHeadlessApplication&) = delete;
    // installed before the application starts: its start is what warns
    QtMessageHandler previousHandler = g_pPreviousQtHandler = qInstallMessageHandler(DropQtNotes);
    bool fontFiles = UseSystemFontFiles();
    char name[9] = "kv310ctl";
    char option[10] = "-platform";
    char platform[10] = "offscreen";
    char* argv[4] = {name, option, platform, nullptr};
    int argc = 3;
    QGuiApplication app;
};

// The catalogue of the language kv310ctl prints in: the window's own, embedded in this library.
QTranslator& SheetCatalogue() {
    static QTranslator catalogue;
    return catalogue;
}

std::string LookUpInSheetCatalogue(const char* context, const char* text) {
    const QString translated = SheetCatalogue().translate(context, text);
    return translated.isEmpty() ? std::string(text) : translated.toStdString();
}

// While it lives, the marked texts are looked up in the catalogue of language, as the window looks them up
// in the one it installed; "en" changes nothing.
class CSheetLanguage {
public:
    explicit CSheetLanguage(const std::string& language) : m_bOwn(language != "en") {
        if (!m_bOwn) {
            return;
        }
        InitSheetCatalogues();
        m_bFound = (language == "de" || language == "es") &&
                   SheetCatalogue().load(
                       QStringLiteral(":/translations/kv310_%1.qm").arg(QString::fromStdString(language)));
        if (m_bFound) {
            SetTextLookup(LookUpInSheetCatalogue);
        }
    }
    ~CSheetLanguage() {
        if (m_bFound) {
            SetTextLookup(nullptr);
        }
    }
    CSheetLanguage(const CSheetLanguage&) = delete;
    CSheetLanguage& operator=(const CSheetLanguage&) = delete;
    bool Usable() const { return !m_bOwn || m_bFound; }

private:
    bool m_bOwn;
    bool m_bFound = false;
};

}  // namespace

std::string DataSheetJobName(const CDataRadioDoc& doc) {
    return BuildDataSheet(doc).strJobName;
}

QFont DataSheetFont() {
    return SheetFont(SSheetFont());
}

void PaintDataSheet(const CDataRadioDoc& doc, QPainter& painter, QPagedPaintDevice& device) {
    const SDataSheet sheet = BuildDataSheet(doc);
    painter.save();
    painter.scale(device.logicalDpiX() / double(kTwipsPerInch), device.logicalDpiY() / double(kTwipsPerInch));
    painter.setFont(SheetFont(sheet.font));
    painter.setPen(Qt::black);
    for (size_t page = 0; page < sheet.pages.size(); ++page) {
        if (page > 0) {
            device.newPage();
        }
        PaintPage(painter, sheet.pages[page]);
    }
    painter.restore();
}

namespace {

// The sheet as a PDF laid out as layout, at resolution dots per inch, made in memory and then written whole:
// a full disk leaves the file that was there as it was, and nothing half-written beside it.
bool WriteDataSheetPdf(const CDataRadioDoc& doc, const QPageLayout& layout, int resolution,
                       const std::string& path, std::string* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromStdString(DataSheetJobName(doc)));
        writer.setCreator(QStringLiteral("KV310 PC Programmer"));
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return Fail(error, "The PDF could not be started.");
        }
        PaintDataSheet(doc, painter, writer);
        painter.end();
    }
    QByteArray data = pdf.data();
    // The PDF's creation time is to the second, so the window's sheet and kv310ctl's of the same file would
    // differ by when each was made: only the day is kept (same length, so the cross-references still hold).
    const QByteArray stamp("/CreationDate (D:");
    const qsizetype at = data.indexOf(stamp);
    if (at >= 0 && data.size() >= at + stamp.size() + 14) {
        data.replace(at + stamp.size() + 8, 6, "000000");
    }
    std::string reason;
    if (!WriteFileAtomically(path, std::vector<uint8_t>(data.begin(), data.end()), &reason)) {
        return Fail(error, "Cannot write " + path + ": " + reason);
    }
    return true;
}

}  // namespace

bool PrintDataSheet(const CDataRadioDoc& doc, QPrinter& printer, std::string* error) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // "Print to File" would have Qt write the file directly: made as the command line makes it instead
        return WriteDataSheetPdf(doc, printer.pageLayout(), printer.resolution(),
                                 printer.outputFileName().toStdString(), error);
    }
    printer.setDocName(QString::fromStdString(DataSheetJobName(doc)));
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Fail(error, "The printer could not be started. Check that it is connected and ready.");
    }
    PaintDataSheet(doc, painter, printer);
    return painter.end() || Fail(error, "The printer did not accept the data sheet.");
}

bool PrintDataSheetToPdf(const CDataRadioDoc& doc, const std::string& path, std::string* error,
                         const std::string& language) {
    const CSheetLanguage sheetLanguage(language);
    if (!sheetLanguage.Usable()) {
        return Fail(error, "There is no data sheet in the language \"" + language + "\": give en, de or es.");
    }
    std::unique_ptr<SHeadlessApplication> ownApp;
    if (QCoreApplication::instance() == nullptr) {
        ownApp = std::make_unique<SHeadlessApplication>();
    } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return Fail(error, "Printing needs a GUI application object, not a console one.");
    }

    return WriteDataSheetPdf(doc,
                             QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                         QPageLayout::Millimeter),
                             kPdfResolution, path, error);
}
