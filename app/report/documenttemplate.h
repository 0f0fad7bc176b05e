#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextCursor>
#include <QTextFormat>

#include <memory>

class QTextDocument;
class QTextFrame;

// The base of a printable report: a rich-text document cut into named sections (one frame each)
// and filled with HTML tables. The document stays with the template until a caller takes it over
// (takeDocument); a template that is only turned into CSV frees it itself.
class DocumentTemplate {
public:
    // Table styles by key: "table", "tr", "td", "col_<n>" (cells of column n) and
    // "col_span_<n>" (their column span, 1 when missing).
    using Styles = QHash<QString, QString>;

    DocumentTemplate(const DocumentTemplate&) = delete;
    DocumentTemplate& operator=(const DocumentTemplate&) = delete;

    // Null once the document was taken over.
    QTextDocument* document() const { return m_document.get(); }
    // Hands the document to the caller, who owns it from then on; the template keeps no section.
    QTextDocument* takeDocument();

    // The whole document as CSV text, one line per Markdown line: table rows give one field per
    // column (read from the table itself, so a cell's '|' and line breaks stay inside its field),
    // other lines one field without Markdown's bold marks, blank lines stay. Fields holding a
    // comma, a quote or a line break are quoted, with quotes doubled.
    QString toCsv() const;
    // A user's text as HTML that shows it as it stands: markup escaped, line breaks kept.
    static QString htmlText(const QString& text);

protected:
    DocumentTemplate();
    // Not virtual: a report is always destroyed as its own class.
    ~DocumentTemplate();

    // Creates the sections; called by the subclass's constructor.
    virtual void layout() = 0;

    // The cursor where new sections go: always at the end of the document.
    QTextCursor& mainCursor() { return m_cursor; }
    // A new frame at the main cursor with that page-break policy, entered under the name (a
    // section of the same name is replaced); the cursor returned stands at its end.
    QTextCursor insertSection(const QString& name, QTextFormat::PageBreakFlags pageBreakPolicy);
    // The end or start of the named section; a null cursor (inserting does nothing) for an
    // unknown name.
    QTextCursor sectionCursor(const QString& name, bool atEnd) const;
    // One HTML table at the cursor, in one edit block. Cells are HTML fragments inserted as they
    // stand (see htmlText for user texts); rows may differ in length. The head is HTML placed
    // before the first row. With alternate the second, fourth, ... row is shaded.
    void insertTable(QTextCursor cursor, const QList<QStringList>& rows, const QString& width,
                     const Styles& styles, const QString& head, bool alternate);

private:
    std::unique_ptr<QTextDocument> m_document;
    QTextCursor m_cursor;
    QHash<QString, QTextFrame*> m_sections;
};
