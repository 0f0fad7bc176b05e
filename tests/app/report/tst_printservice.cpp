#include "printtestsupport.h"

#include <QFile>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSignalSpy>

#include "printservice.h"

namespace {

// Pages and shown page of a preview dialog.
struct PreviewSeen {
    QString title;
    int pages = -1;
    int currentPage = -1;
};

ModalAnswer::Look lookAtPreview(PreviewSeen* seen, int goToPage = 0) {
    return [seen, goToPage](QDialog* dialog) {
        seen->title = dialog->windowTitle();
        auto* widget =
            qobject_cast<QPrintPreviewDialog*>(dialog) ? dialog->findChild<QPrintPreviewWidget*>() : nullptr;
        if (!widget)
            return;
        seen->pages = widget->pageCount();
        seen->currentPage = widget->currentPage();
        if (goToPage)
            widget->setCurrentPage(goToPage);
    };
}

// Dark pixels of the image inside the rectangle.
int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    }
    return dark;
}

} // namespace

class TestPrintService : public QObject {
    Q_OBJECT

private slots:
    void init() {
        service = std::make_unique<PrintService>();
        pdfPath = folder.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
        QFile::remove(pdfPath);
        service->printer()->setOutputFileName(pdfPath);
    }
    void cleanup() { service.reset(); }

    void isTheInstance() {
        QCOMPARE(PrintService::m_instance, service.get());
        QCOMPARE(service->printer()->pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(service->printer()->pageLayout().orientation(), QPageLayout::Portrait);
        service.reset();
        QVERIFY(!PrintService::hasInstance());
    }

    void nullDocumentIsRefused() {
        QSignalSpy changed(service.get(), &PrintService::documentChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no document to print")));
        ModalAnswer answer(true);
        service->askForPrint(nullptr, false);
        service->askForPrint(nullptr, true);
        QCOMPARE(answer.answers(), 0);
        QVERIFY(!service->document());
        QCOMPARE(changed.count(), 0);
    }

    void printedPagesCarryHeaderAndFooter_data() {
        QTest::addColumn<int>("pages");
        QTest::newRow("one page") << 1;
        QTest::newRow("three pages") << 3;
    }
    void printedPagesCarryHeaderAndFooter() {
        QFETCH(int, pages);
        ModalAnswer answer(true);
        service->askForPrint(pagedDocument(pages), false);
        QCOMPARE(answer.answers(), 1);
        QVERIFY(QFile::exists(pdfPath));
        QCOMPARE(pdf::infoLine(pdfPath, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
        const QStringList texts = pdf::pageTexts(pdfPath);
        QCOMPARE(texts.size(), pages);
        for (int page = 1; page <= pages; ++page) {
            const QString& text = texts.at(page - 1);
            QVERIFY2(text.contains(QLatin1String("TARVINO rix2/rix3")), qPrintable(text));
            QVERIFY(text.contains(QLatin1String("Zorvik AG")));
            QVERIFY(text.contains(QStringLiteral("Seite %1").arg(page)));
            QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
            // Header first, the page number last.
            QVERIFY(text.indexOf(QLatin1String("Zorvik AG")) <
                    text.indexOf(QStringLiteral("Seite %1").arg(page)));
            QVERIFY(text.trimmed().endsWith(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
        }
    }

    void everythingLiesInsideTheMargins() {
        // Long lines and enough of them to reach the foot of the page.
        auto* document = new QTextDocument;
        QString html;
        for (int line = 0; line < 200; ++line)
            html += QStringLiteral("<p>%1</p>").arg(QString(40, u'W'));
        document->setHtml(html);
        ModalAnswer answer(true);
        service->askForPrint(document, false);
        const QImage page = pdf::pageImage(pdfPath, 1);
        QCOMPARE(page.size(), QSize(595, 842));
        // Margins of 50 pt at the sides and 15 pt above and below stay blank.
        QCOMPARE(darkPixels(page, QRect(0, 0, 49, 842)), 0);
        QCOMPARE(darkPixels(page, QRect(546, 0, 49, 842)), 0);
        QCOMPARE(darkPixels(page, QRect(0, 0, 595, 14)), 0);
        QCOMPARE(darkPixels(page, QRect(0, 828, 595, 14)), 0);
        // The header's rule runs across the band, the text reaches the footer line.
        QVERIFY(darkPixels(page, QRect(50, 15, 495, 45)) > 300);
        QVERIFY(darkPixels(page, QRect(50, 700, 495, 100)) > 0);
        QVERIFY(darkPixels(page, QRect(450, 805, 95, 22)) > 0);
    }

    void cancelledDialogPrintsNothingAndKeepsTheDocument() {
        QTextDocument* document = pagedDocument(2);
        QPointer<QTextDocument> held(document);
        QSignalSpy changed(service.get(), &PrintService::documentChanged);
        ModalAnswer answer(false);
        service->askForPrint(document, false);
        QCOMPARE(answer.answers(), 1);
        QVERIFY(!QFile::exists(pdfPath));
        QCOMPARE(service->document(), document);
        QCOMPARE(changed.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(held);
        QVERIFY(held->toPlainText().contains(QLatin1String("Seite 2")));
    }

    void heldDocumentHandedAgainIsKept() {
        QTextDocument* document = pagedDocument(2);
        QPointer<QTextDocument> held(document);
        {
            ModalAnswer answer(false);
            service->askForPrint(document, false);
        }
        QSignalSpy changed(service.get(), &PrintService::documentChanged);
        ModalAnswer answer(true);
        service->askForPrint(document, false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(held);
        QCOMPARE(service->document(), document);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(pdf::pageCount(pdfPath), 2);
    }

    void replacedDocumentIsEmptiedAndDeleted() {
        QPointer<QTextDocument> first(pagedDocument(2));
        QPointer<QTextDocument> second(pagedDocument(1));
        QSignalSpy changed(service.get(), &PrintService::documentChanged);
        fromEventLoop([&] {
            ModalAnswer firstAnswer(false);
            service->askForPrint(first, false);
            ModalAnswer secondAnswer(false);
            service->askForPrint(second, false);
            QCOMPARE(changed.count(), 2);
            QCOMPARE(service->document(), second.data());
            // Emptied at once, deleted once control is back in the event loop.
            QVERIFY(first);
            QVERIFY(first->isEmpty());
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second);
    }

    void documentsGoWithTheService() {
        QPointer<QTextDocument> first(pagedDocument(1));
        QPointer<QTextDocument> second(pagedDocument(1));
        fromEventLoop([&] {
            ModalAnswer firstAnswer(false);
            service->askForPrint(first, false);
            ModalAnswer secondAnswer(false);
            service->askForPrint(second, false);
        });
        // The first still waits for its deletion when the service goes.
        QVERIFY(first);
        service.reset();
        QVERIFY(!first);
        QVERIFY(!second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void printingOnAnotherPrinterKeepsTheServicesOwn() {
        {
            ModalAnswer answer(false);
            service->askForPrint(pagedDocument(3), false);
        }
        QPrinter* own = service->printer();
        const QString otherPath = folder.filePath(QStringLiteral("other.pdf"));
        {
            QPrinter other(QPrinter::ScreenResolution);
            other.setOutputFormat(QPrinter::PdfFormat);
            other.setPageSize(QPageSize(QPageSize::A5));
            other.setOutputFileName(otherPath);
            QVERIFY(QMetaObject::invokeMethod(service.get(), "print", Q_ARG(QPrinter*, &other)));
        }
        QCOMPARE(pdf::infoLine(otherPath, QStringLiteral("Page size")), QStringLiteral("420 x 595 pts (A5)"));
        QVERIFY(pdf::pageCount(otherPath) >= 3);
        QCOMPARE(service->printer(), own);
        QCOMPARE(own->outputFileName(), pdfPath);
        QCOMPARE(own->pageLayout().pageSize().id(), QPageSize::A4);

        // The other printer is gone; the held document prints on the service's own all the same.
        ModalAnswer answer(true);
        service->askForPrint(service->document(), false);
        QCOMPARE(pdf::pageCount(pdfPath), 3);
    }

    void secondPreviewShowsTheNewDocumentFromItsFirstPage() {
        QPointer<QTextDocument> first(pagedDocument(2));
        PreviewSeen firstSeen;
        {
            ModalAnswer answer(false, lookAtPreview(&firstSeen, 2));
            service->askForPrint(first, true);
        }
        QCOMPARE(firstSeen.title, QStringLiteral("Druckvorschau"));
        QCOMPARE(firstSeen.pages, 2);
        QCOMPARE(firstSeen.currentPage, 1);

        PreviewSeen secondSeen;
        QTextDocument* second = pagedDocument(3);
        {
            ModalAnswer answer(false, lookAtPreview(&secondSeen));
            service->askForPrint(second, true);
        }
        QCOMPARE(secondSeen.pages, 3);
        QCOMPARE(secondSeen.currentPage, 1);
        QCOMPARE(service->document(), second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        // Nothing was printed from the preview.
        QVERIFY(!QFile::exists(pdfPath));
    }

private:
    QTemporaryDir folder;
    QString pdfPath;
    std::unique_ptr<PrintService> service;
};

QTEST_MAIN(TestPrintService)
#include "tst_printservice.moc"
