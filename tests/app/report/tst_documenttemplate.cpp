#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "csvreader.h"
#include "documentreader.h"
#include "documenttemplate.h"

using namespace report;

namespace {

// A template whose sections the test makes itself.
class SampleDocument final : public DocumentTemplate {
public:
    using DocumentTemplate::insertSection;
    using DocumentTemplate::insertTable;
    using DocumentTemplate::sectionCursor;

    SampleDocument() { layout(); }
    ~SampleDocument() = default;

private:
    void layout() override {
        insertSection(QStringLiteral("first"), QTextFormat::PageBreak_Auto)
            .insertHtml(QStringLiteral("<h1>First</h1>"));
        insertSection(QStringLiteral("second"), QTextFormat::PageBreak_AlwaysBefore)
            .insertHtml(QStringLiteral("<h1>Second</h1>"));
    }
};

} // namespace

class TestDocumentTemplate : public QObject {
    Q_OBJECT

private slots:
    void sectionsAreFramesWithTheirPageBreakPolicies() {
        SampleDocument document;
        const QList<QTextFrame*> frames = sections(*document.document());
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames.at(0)->frameFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
        QCOMPARE(frames.at(1)->frameFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
        QCOMPARE(frames.at(0)->firstCursorPosition().block().text(), QStringLiteral("First"));
        QCOMPARE(frames.at(1)->firstCursorPosition().block().text(), QStringLiteral("Second"));

        // Paginated, the section that breaks before starts the second page.
        document.document()->setPageSize(QSizeF(400, 600));
        QCOMPARE(document.document()->pageCount(), 2);
    }

    void sectionCursorsStandAtStartOrEnd() {
        SampleDocument document;
        document.sectionCursor(QStringLiteral("first"), true).insertText(QStringLiteral(" end"));
        document.sectionCursor(QStringLiteral("first"), false).insertText(QStringLiteral("start "));
        const QTextFrame* first = sections(*document.document()).at(0);
        QCOMPARE(first->firstCursorPosition().block().text(), QStringLiteral("start First end"));
        QVERIFY(sections(*document.document()).at(1)->firstCursorPosition().block().text() ==
                QLatin1String("Second"));
    }

    void unknownSectionChangesNothing() {
        SampleDocument document;
        const QString before = document.document()->toHtml();
        const QTextCursor cursor = document.sectionCursor(QStringLiteral("missing"), true);
        QVERIFY(cursor.isNull());
        document.insertTable(cursor, {{QStringLiteral("a"), QStringLiteral("b")}}, QStringLiteral("50%"), {},
                             QString(), false);
        QCOMPARE(document.document()->toHtml(), before);
    }

    void tableHasItsColumnsSpansAndStyles() {
        SampleDocument document;
        const DocumentTemplate::Styles styles{
            {QStringLiteral("col_span_0"), QStringLiteral("2")},
            {QStringLiteral("col_1"), QStringLiteral("background-color:#00FF00;")}};
        document.insertTable(document.sectionCursor(QStringLiteral("second"), true),
                             {{QStringLiteral("wide"), QStringLiteral("x"), QStringLiteral("y")},
                              {QStringLiteral("<b>caption</b>")}},
                             QStringLiteral("100%"), styles, QString(), false);
        const QList<QTextTable*> tables = tablesIn(sections(*document.document()).at(1));
        QCOMPARE(tables.size(), 1);
        const QTextTable* table = tables.first();
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 4);
        QCOMPARE(table->format().width(), QTextLength(QTextLength::PercentageLength, 100));
        QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);
        QCOMPARE(cellText(*table, 0, 0), QStringLiteral("wide"));
        // Only the first cell of a row spans; the others keep span 1.
        QCOMPARE(table->cellAt(0, 2).columnSpan(), 1);
        QCOMPARE(cellText(*table, 0, 2), QStringLiteral("x"));
        QCOMPARE(table->cellAt(0, 2).format().background().color(), QColor(0, 255, 0));
        QCOMPARE(table->cellAt(0, 3).format().background().style(), Qt::NoBrush);
        // A row of one cell is a caption: its first cell spans as the column says, the rest is empty.
        QCOMPARE(cellText(*table, 1, 0), QStringLiteral("caption"));
        QVERIFY(table->cellAt(1, 0).firstCursorPosition().charFormat().fontWeight() >= QFont::Bold);
    }

    void alternateShadesTheSecondAndFourthRow() {
        SampleDocument document;
        QList<QStringList> rows;
        for (int row = 1; row <= 4; ++row)
            rows.append({QString::number(row), QStringLiteral("cell")});
        document.insertTable(document.sectionCursor(QStringLiteral("first"), true), rows,
                             QStringLiteral("50%"), {}, QString(), true);
        const QTextTable* table = tablesIn(sections(*document.document()).at(0)).value(0);
        QVERIFY(table);
        QCOMPARE(table->rows(), 4);
        const QColor shade(0xE8, 0xE8, 0xE8);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 2; ++column) {
                const QBrush background = table->cellAt(row, column).format().background();
                const bool shaded = background.style() != Qt::NoBrush && background.color() == shade;
                QVERIFY2(shaded == (row % 2 == 1), qPrintable(QStringLiteral("row %1").arg(row + 1)));
            }
        }
    }

    void headGoesBeforeTheFirstRow_data() {
        QTest::addColumn<QString>("head");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("headerRows");
        QTest::newRow("no head") << QString() << 1 << 0;
        QTest::newRow("head row") << QStringLiteral("<thead><tr><th>H1</th><th>H2</th></tr></thead>") << 2
                                  << 1;
    }
    void headGoesBeforeTheFirstRow() {
        QFETCH(QString, head);
        QFETCH(int, rows);
        QFETCH(int, headerRows);
        SampleDocument document;
        document.insertTable(document.sectionCursor(QStringLiteral("first"), true),
                             {{QStringLiteral("a"), QStringLiteral("b")}}, QStringLiteral("50%"), {}, head,
                             false);
        const QTextTable* table = tablesIn(sections(*document.document()).at(0)).value(0);
        QVERIFY(table);
        QCOMPARE(table->rows(), rows);
        QCOMPARE(table->format().headerRowCount(), headerRows);
        QCOMPARE(cellText(*table, rows - 1, 0), QStringLiteral("a"));
        if (headerRows)
            QCOMPARE(cellText(*table, 0, 1), QStringLiteral("H2"));
    }

    void csvHasOneLinePerRowAndKeepsBlankLines() {
        SampleDocument document;
        document.insertTable(
            document.sectionCursor(QStringLiteral("first"), true),
            {{QStringLiteral("<b>a</b>"), QStringLiteral("b")}, {QStringLiteral("c"), QString()}},
            QStringLiteral("50%"), {}, QStringLiteral("<thead><tr><th>H1</th><th>H2</th></tr></thead>"),
            false);
        const QString csv = document.toCsv();
        const QStringList lines = csv.split(u'\n');
        QVERIFY2(lines.contains(QStringLiteral("H1,H2")), qPrintable(csv));
        QVERIFY(lines.contains(QStringLiteral("a,b")));
        QVERIFY(lines.contains(QStringLiteral("c,")));
        QVERIFY(lines.contains(QStringLiteral("First")));
        QVERIFY(lines.contains(QStringLiteral("Second")));
        QVERIFY(!csv.contains(QLatin1String("**")));
        QVERIFY(!csv.contains(QLatin1String("|")));
        QVERIFY(!csv.contains(QLatin1String("---")));
        QVERIFY(lines.contains(QString()));
        QCOMPARE(lines.indexOf(QStringLiteral("H1,H2")) + 1, lines.indexOf(QStringLiteral("a,b")));
    }

    void csvReadsBackEveryCellAsOneField_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("comma") << QStringLiteral("Meier, Schulz & Co");
        QTest::newRow("quotes") << QStringLiteral("Halle \"Nord\"");
        QTest::newRow("bar") << QStringLiteral("a|b | c");
        QTest::newRow("markup") << QStringLiteral("X <y> & z");
        QTest::newRow("line breaks") << QStringLiteral("Hauptstr. 1\n12345 Musterstadt\nDeutschland");
        QTest::newRow("everything") << QStringLiteral("A, \"B\" <b>& d|e\nnext, line");
        QTest::newRow("bold marks") << QStringLiteral("**kept**");
    }
    void csvReadsBackEveryCellAsOneField() {
        QFETCH(QString, text);
        SampleDocument document;
        const QString cell = DocumentTemplate::htmlText(text);
        document.insertTable(
            document.sectionCursor(QStringLiteral("first"), true),
            {{QStringLiteral("<b>Name:</b>"), cell}, {QStringLiteral("left"), QStringLiteral("right")}},
            QStringLiteral("50%"), {}, QString(), false);
        document.insertTable(document.sectionCursor(QStringLiteral("second"), true),
                             {{cell, QStringLiteral("x"), cell}, {QStringLiteral("<b>only</b>")}},
                             QStringLiteral("100%"), {}, QString(), true);

        const QList<QStringList> records = filledRecords(document.toCsv());
        const QList<QStringList> expected{{QStringLiteral("First")},
                                          {QStringLiteral("Name:"), text},
                                          {QStringLiteral("left"), QStringLiteral("right")},
                                          {QStringLiteral("Second")},
                                          {text, QStringLiteral("x"), text},
                                          {QStringLiteral("only"), QString(), QString()}};
        QCOMPARE(records, expected);
    }

    void userTextShowsAsItStands() {
        SampleDocument document;
        document.insertTable(document.sectionCursor(QStringLiteral("first"), true),
                             {{DocumentTemplate::htmlText(QStringLiteral("X <y> & z\r\nline 2"))}},
                             QStringLiteral("50%"), {}, QString(), false);
        const QTextTable* table = tablesIn(sections(*document.document()).at(0)).value(0);
        QVERIFY(table);
        QCOMPARE(cellText(*table, 0, 0), QStringLiteral("X <y> & z\nline 2"));
    }

    void takenDocumentBelongsToTheCaller() {
        auto* document = new SampleDocument;
        QTextDocument* taken = document->takeDocument();
        QVERIFY(taken);
        QVERIFY(!document->document());
        QVERIFY(document->sectionCursor(QStringLiteral("first"), true).isNull());
        QVERIFY(document->toCsv().isEmpty());
        delete document;
        // Still whole after the template is gone.
        QCOMPARE(sections(*taken).size(), 2);
        delete taken;
    }
};

QTEST_MAIN(TestDocumentTemplate)
#include "tst_documenttemplate.moc"
