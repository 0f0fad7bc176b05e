#include "printservice.h"

#include "reportlogging.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStaticText>
#include <QTextDocument>

namespace {

const QMarginsF PageMargins(50, 15, 50, 15);
// The header band above the content: 60 pixels at 96 dpi, the same height at any resolution.
constexpr qreal HeaderHeightPoints = 45;
constexpr qreal PointsPerInch = 72;

QMarginsF atLeast(const QMarginsF& margins, const QMarginsF& minimum) {
    return {qMax(margins.left(), minimum.left()), qMax(margins.top(), minimum.top()),
            qMax(margins.right(), minimum.right()), qMax(margins.bottom(), minimum.bottom())};
}

// Our margins, or a printer's own where it cannot print that close to the edge.
void setMargins(QPrinter& printer) {
    if (printer.setPageMargins(PageMargins, QPageLayout::Point))
        return;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    printer.setPageMargins(atLeast(PageMargins, layout.minimumMargins()), QPageLayout::Point);
}

qreal lineHeight(const QPrinter& printer) {
    return QFontMetricsF(QFont(), &printer).height();
}

QString headerHtml() {
    return QStringLiteral(
               "<table style=\"border-collapse: collapse; \"><tr><td width =\" 50%\" style=\"font-size:12pt; "
               "text-align:left; border-bottom: 1px solid black;\">%1</td><td width =\" 50%\" "
               "style=\"font-size:14pt; text-align:right; border-bottom: 1px solid black;\">%2</td></tr>"
               "</table>")
        .arg(QCoreApplication::translate("SoftwareInfo", "TARVINO rix2/rix3").toHtmlEscaped(),
             QCoreApplication::translate("SoftwareInfo", "Zorvik AG").toHtmlEscaped());
}

} // namespace

PrintService::PrintService(QObject* parent)
    : QObject(parent) {
    m_instance = this;
}

QPrinter* PrintService::printer() {
    // Made on first use: a printer asks the print system for its defaults, which costs start-up
    // time most sessions never need.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        // Within the margins, so that header, content and footer stay inside the printable area.
        m_printer->setFullPage(false);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        setMargins(*m_printer);
    }
    return m_printer.get();
}

PrintService::~PrintService() = default;

QRectF PrintService::contentRect(const QPrinter& printer) {
    const QRect paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal header = HeaderHeightPoints * printer.resolution() / PointsPerInch;
    return {0, header, qreal(paintRect.width()), paintRect.height() - lineHeight(printer) - header};
}

void PrintService::askForPrint(QTextDocument* document, bool showPreview) {
    if (!document) {
        qCWarning(reportLog) << ">> There is no document to print";
        return;
    }
    hold(document);
    if (showPreview)
        this->showPreview();
    else
        printAfterDialog();
}

void PrintService::hold(QTextDocument* document) {
    if (document == m_document)
        return;
    if (m_document) {
        m_document->clear();
        m_document->deleteLater();
    }
    // As a child, a document still waiting for its deletion goes with the service.
    document->setParent(this);
    m_document = document;
    m_previewStale = true;
    emit documentChanged();
}

QPrintPreviewDialog& PrintService::previewDialog() {
    // Made on first use: building the dialog costs start-up time most sessions never need.
    if (!m_previewDialog) {
        m_previewDialog = std::make_unique<QPrintPreviewDialog>(printer());
        m_previewWidget = m_previewDialog->findChild<QPrintPreviewWidget*>();
        connect(m_previewDialog.get(), &QPrintPreviewDialog::paintRequested, this, &PrintService::print);
    }
    return *m_previewDialog;
}

void PrintService::showPreview() {
    QPrintPreviewDialog& dialog = previewDialog();
    dialog.setWindowTitle(QCoreApplication::translate("Generic", "Druckvorschau"));
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The preview keeps the pages it painted last; a new document starts on its first page.
    if (m_previewStale && m_previewWidget) {
        m_previewWidget->updatePreview();
        m_previewWidget->setCurrentPage(1);
        m_previewStale = false;
    }
    dialog.exec();
}

void PrintService::printAfterDialog() {
    QPrintDialog dialog(printer());
    if (dialog.exec() == QDialog::Accepted)
        print(printer());
}

void PrintService::print(QPrinter* printer) {
    if (!printer || !m_document)
        return;
    QPainter painter;
    if (!painter.begin(printer)) {
        qCWarning(reportLog).noquote()
            << ">> Cannot print on" << printer->printerName() << printer->outputFileName();
        return;
    }
    QAbstractTextDocumentLayout* layout = m_document->documentLayout();
    layout->setPaintDevice(printer);
    const QRectF content = contentRect(*printer);
    m_document->setPageSize(content.size());
    const int pageCount = m_document->pageCount();
    const qreal pageHeight = content.height();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            printer->newPage();
        drawHeader(painter, content);
        painter.save();
        painter.setClipRect(content);
        painter.translate(content.x(), content.y() - page * pageHeight);
        m_document->drawContents(&painter, QRectF(0, page * pageHeight, content.width(), pageHeight));
        painter.restore();
        drawFooter(painter, content, page + 1, pageCount);
    }
    painter.end();
    // The printer may go before the document does.
    layout->setPaintDevice(nullptr);
}

void PrintService::drawHeader(QPainter& painter, const QRectF& content) {
    QStaticText header(headerHtml());
    header.setTextFormat(Qt::RichText);
    header.setTextWidth(content.width());
    painter.drawStaticText(QPointF(content.left(), 0), header);
}

void PrintService::drawFooter(QPainter& painter, const QRectF& content, int page, int pageCount) {
    const QRectF footer(content.left(), content.bottom(), content.width(), painter.fontMetrics().height());
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("QObject", "Page %1 of %2").arg(page).arg(pageCount));
}
