#include "qt/printing.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

namespace ondalab::qt {

namespace {

void toPdf(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
}

// No printer: a PDF the user names, in the documents folder by default.
QString askForPdf(QWidget& window) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder).filePath(pdfFileName(window.windowTitle(), QDate::currentDate()));
    return QFileDialog::getSaveFileName(&window,
                                        QStringLiteral("Nessuna stampante: salva la stampa come PDF"),
                                        proposed, QStringLiteral("Documenti PDF (*.pdf)"));
}

}  // namespace

QString pdfFileName(const QString& caption, QDate day) {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\s]+"));
    QString name = caption;
    name.replace(unsafe, QStringLiteral(" "));
    name = name.simplified();
    if (name.isEmpty()) name = QStringLiteral("stampa");
    return name + u' ' + day.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

bool renderOnto(QPrinter& printer, QWidget& window) {
    // A recording replays its fonts at the device's dpi: the page counts in
    // the window's own units, so text keeps the size and the line breaks it
    // has on the screen. Text and lines stay vectors at any resolution.
    printer.setResolution(window.logicalDpiX());
    QPainter p;
    if (!p.begin(&printer)) return false;
    // The painter's origin is the corner of the printable area, inside the
    // margins. The form keeps its real size (its pixels at the screen's
    // logical dpi), shrunk only when the page is smaller.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    double k = printer.resolution() / double(window.logicalDpiX());
    const QSizeF size = QSizeF(window.size()) * k;
    k *= std::min({1.0, page.width() / size.width(), page.height() / size.height()});
    p.scale(k, k);
    // Rendered straight onto a printer, a widget becomes a picture of its
    // pixels; recorded first, its painting stays text and lines.
    QPicture recording;
    window.render(&recording, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    p.drawPicture(0, 0, recording);
    return p.end();
}

bool printWindow(QWidget& window) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    const QString pdf = qEnvironmentVariable("QT_PRINT_TO_PDF");
    if (!pdf.isEmpty()) {
        toPdf(printer, pdf);
    } else if (const QPrinterInfo info = QPrinterInfo::defaultPrinter(); !info.isNull()) {
        printer.setPrinterName(info.printerName());
    } else if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return false;  // nobody could answer the dialog
    } else {
        const QString file = askForPdf(window);
        if (file.isEmpty()) return true;  // the user chose not to print
        toPdf(printer, file);
    }
    return renderOnto(printer, window);
}

}  // namespace ondalab::qt
