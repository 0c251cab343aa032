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
#include <cmath>

#include "common/catalogue.h"
#include "qt/formwindow.h"
#include "qt/language.h"

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
                                        uiText(TR("ondalab", "Nessuna stampante: salva la stampa come PDF")),
                                        proposed, uiText(TR("ondalab", "Documenti PDF (*.pdf)")));
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

namespace {

// How far the area must shrink to fit a page of this orientation (at most 1).
double fitOn(QPrinter& printer, QPageLayout::Orientation o, QSizeF area) {
    printer.setPageOrientation(o);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    return std::min({1.0, page.width() / area.width(), page.height() / area.height()});
}

}  // namespace

bool renderOnto(QPrinter& printer, QWidget& window, QRect used, double points) {
    if (used.isEmpty()) used = window.rect();
    // Rendered straight onto a printer, a widget becomes a picture of its
    // pixels; recorded first, its painting stays text and lines.
    QPicture recording;
    window.render(&recording, QPoint(), QRegion(used), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return printRecording(printer, recording, used.size(), window.logicalDpiX(), points);
}

bool printRecording(QPrinter& printer, const QPicture& recording, QSize size, int dpi, double points) {
    // A recording replays its fonts at the device's dpi: the page counts in
    // the window's own units, so text keeps the size and the line breaks it
    // has on the screen. Text and lines stay vectors at any resolution.
    printer.setResolution(dpi);
    // The form keeps its real size (its pixels at the screen's logical dpi),
    // on the page that shrinks it least, and never below the smallest type.
    const QSizeF area = QSizeF(size);
    const double portrait = fitOn(printer, QPageLayout::Portrait, area);
    const double landscape = fitOn(printer, QPageLayout::Landscape, area);
    printer.setPageOrientation(landscape > portrait ? QPageLayout::Landscape : QPageLayout::Portrait);
    const double k = std::max(std::max(portrait, landscape), std::min(1.0, kSmallestPrintPoints / points));
    // What does not fit one page goes on the next ones, left to right, then down.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size() / k;
    const int across = std::max(1, static_cast<int>(std::ceil(area.width() / page.width() - 1e-6)));
    const int down = std::max(1, static_cast<int>(std::ceil(area.height() / page.height() - 1e-6)));
    QPainter p;
    if (!p.begin(&printer)) return false;
    // The painter's origin is the corner of the printable area, inside the margins.
    p.scale(k, k);
    for (int row = 0; row < down; ++row)
        for (int col = 0; col < across; ++col) {
            if (row + col > 0 && !printer.newPage()) return false;
            p.save();
            p.setClipRect(QRectF(QPointF(), page));
            p.drawPicture(QPointF(-col * page.width(), -row * page.height()), recording);
            p.restore();
        }
    return p.end();
}

Printed printWindow(QWidget& window) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    QString pdf = qEnvironmentVariable("QT_PRINT_TO_PDF");
    if (!pdf.isEmpty()) {
        toPdf(printer, pdf);
    } else if (const QPrinterInfo info = QPrinterInfo::defaultPrinter(); !info.isNull()) {
        printer.setPrinterName(info.printerName());
    } else if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return Printed::NoPrinter;  // nobody could answer the dialog
    } else {
        pdf = askForPdf(window);
        if (pdf.isEmpty()) return Printed::Done;  // the user chose not to print
        toPdf(printer, pdf);
    }
    auto* form = qobject_cast<FormWindow*>(&window);
    const bool done = form ? form->printOnto(printer) : renderOnto(printer, window);
    if (done) return Printed::Done;
    return pdf.isEmpty() ? Printed::NoPrinter : Printed::NotWritten;
}

}  // namespace ondalab::qt
