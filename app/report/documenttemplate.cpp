#include "documenttemplate.h"

#include "exportfiles.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

const QString ShadedRow = QStringLiteral("background-color:#E8E8E8;");
// Stands in the Markdown text for a table whose rows are read from the table itself.
const QString TableMarker = QStringLiteral("\uE000");

// The tables of the frame and of its sections, in document order; tables inside tables belong to
// their table.
void collectTables(QTextFrame* frame, QList<QTextTable*>* tables) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables->append(table);
        else
            collectTables(child, tables);
    }
}

QList<QTextTable*> tablesOf(const QTextDocument& document) {
    QList<QTextTable*> tables;
    collectTables(document.rootFrame(), &tables);
    return tables;
}

QString cellText(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

// Puts a paragraph holding the marker where the table stands, so that the Markdown writer puts
// one line there. The table goes as a whole: shrinking it would leave the rows of a head or the
// cells of a span behind.
void replaceByMarker(QTextTable* table) {
    QTextCursor cursor(table->document());
    cursor.setPosition(table->firstPosition() - 1);
    cursor.setPosition(table->lastPosition() + 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(TableMarker, QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

// One line per row, one field per column; the columns a spanning cell covers stay empty.
QStringList csvRows(const QTextTable& table) {
    QStringList lines;
    for (int row = 0; row < table.rows(); ++row) {
        QStringList fields;
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            const bool ownCell = cell.row() == row && cell.column() == column;
            fields.append(ownCell ? ExportFiles::csvField(cellText(cell)) : QString());
        }
        lines.append(fields.join(u','));
    }
    return lines;
}

} // namespace

DocumentTemplate::DocumentTemplate()
    : m_document(std::make_unique<QTextDocument>())
    , m_cursor(m_document.get()) {
}

DocumentTemplate::~DocumentTemplate() = default;

QTextDocument* DocumentTemplate::takeDocument() {
    m_sections.clear();
    m_cursor = QTextCursor();
    return m_document.release();
}

QString DocumentTemplate::htmlText(const QString& text) {
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    html.replace(u'\r', u'\n');
    return html.replace(u'\n', QLatin1String("<br />"));
}

QTextCursor DocumentTemplate::insertSection(const QString& name,
                                            QTextFormat::PageBreakFlags pageBreakPolicy) {
    QTextFrame* frame = m_cursor.insertFrame(QTextFrameFormat());
    QTextFrameFormat format = frame->frameFormat();
    format.setPageBreakPolicy(pageBreakPolicy);
    frame->setFrameFormat(format);
    m_sections.insert(name, frame);
    m_cursor.movePosition(QTextCursor::End);
    return frame->lastCursorPosition();
}

QTextCursor DocumentTemplate::sectionCursor(const QString& name, bool atEnd) const {
    const QTextFrame* frame = m_sections.value(name);
    if (!frame)
        return {};
    return atEnd ? frame->lastCursorPosition() : frame->firstCursorPosition();
}

void DocumentTemplate::insertTable(QTextCursor cursor, const QList<QStringList>& rows, const QString& width,
                                   const Styles& styles, const QString& head, bool alternate) {
    QString html = QStringLiteral("</br><table width=%1 style=\"%2\">")
                       .arg(width, styles.value(QStringLiteral("table")));
    html += head;
    const QString rowStyle = styles.value(QStringLiteral("tr"));
    const QString cellStyle = styles.value(QStringLiteral("td"));
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const bool shaded = alternate && row % 2 == 1;
        html += QStringLiteral("<tr style=\"%1\">").arg((shaded ? ShadedRow : QString()) + rowStyle);
        const QStringList& cells = rows.at(row);
        for (qsizetype column = 0; column < cells.size(); ++column) {
            const QString style = cellStyle + styles.value(QStringLiteral("col_%1").arg(column));
            const QString span = styles.value(QStringLiteral("col_span_%1").arg(column), QStringLiteral("1"));
            html +=
                QStringLiteral("<td colspan=\"%3\" style=\"%1\">%2</td>").arg(style, cells.at(column), span);
        }
        html += QLatin1String("</tr>");
    }
    html += QLatin1String("</table>");

    cursor.beginEditBlock();
    cursor.insertHtml(html);
    cursor.endEditBlock();
}

QString DocumentTemplate::toCsv() const {
    if (!m_document)
        return {};
    const QList<QTextTable*> tables = tablesOf(*m_document);
    const std::unique_ptr<QTextDocument> outline(m_document->clone());
    // From the last table on, so that the positions of the others stay.
    const QList<QTextTable*> outlineTables = tablesOf(*outline);
    for (auto table = outlineTables.crbegin(); table != outlineTables.crend(); ++table)
        replaceByMarker(*table);

    QStringList lines;
    qsizetype nextTable = 0;
    for (const QString& line : outline->toMarkdown(QTextDocument::MarkdownDialectGitHub).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            lines.append(line);
        else if (line.startsWith(QLatin1String("|-")) || line.startsWith(QLatin1String("|:")))
            continue;
        else if (trimmed == TableMarker && nextTable < tables.size())
            lines.append(csvRows(*tables.at(nextTable++)));
        else
            lines.append(ExportFiles::csvField(QString(trimmed).remove(QLatin1String("**"))));
    }
    return lines.join(u'\n');
}
