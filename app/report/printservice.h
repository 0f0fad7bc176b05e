#pragma once

#include "trfunctions.h"

#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QRectF>
#include <QTextDocument>

#include <utils/singleton.h>

#include <memory>

class QPrintPreviewDialog;
class QPainter;
class QPrintPreviewWidget;

// Prints a rich-text document on A4, or shows it in a print preview first. Every page carries a
// header band with the product line and the company and a footer with the page number. Without
// a printer the print dialog offers to print into a PDF file.
//
// The service owns the document it was handed; it keeps it until the next one replaces it.
class PrintService : public QObject, private TrFunctions, public utils::Singleton<PrintService> {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(QTextDocument* document READ document NOTIFY documentChanged)

public:
    inline static PrintService* m_instance = nullptr;

    explicit PrintService(QObject* parent = nullptr);
    ~PrintService() override;

    QTextDocument* document() const { return m_document; }
    // The printer all output goes to (A4, portrait, margins of 50 pt left and right, 15 pt above
    // and below, or the printer's own when they are wider).
    QPrinter* printer();

    // Where a page's content lies on that printer, in device pixels from the upper left corner of
    // the area within the margins: below the header band, above the footer line.
    static QRectF contentRect(const QPrinter& printer);

public slots:
    // Takes the document over and prints it after the print dialog, or shows the preview. A null
    // document is refused; the held document handed again is printed again.
    void askForPrint(QTextDocument* document, bool showPreview);

signals:
    void documentChanged();

private slots:
    // Renders the held document on that printer.
    void print(QPrinter* printer);

private:
    void hold(QTextDocument* document);
    QPrintPreviewDialog& previewDialog();
    void showPreview();
    void printAfterDialog();
    static void drawHeader(QPainter& painter, const QRectF& content);
    static void drawFooter(QPainter& painter, const QRectF& content, int page, int pageCount);

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrintPreviewDialog> m_previewDialog;
    QPointer<QPrintPreviewWidget> m_previewWidget;
    // A child of the service; a guard, in case an owner deleted it all the same.
    QPointer<QTextDocument> m_document;
    // The preview shows pages of an earlier document.
    bool m_previewStale = false;
};
