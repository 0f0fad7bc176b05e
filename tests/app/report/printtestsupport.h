#pragma once

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <functional>

// Answers the next modal dialog as a user would: looks at it, then accepts or rejects it.
class ModalAnswer : public QObject {
public:
    using Look = std::function<void(QDialog*)>;

    explicit ModalAnswer(bool accept, Look look = {}) {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this, accept, look] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            ++m_answers;
            if (look)
                look(dialog);
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        m_timer.start();
    }

    int answers() const { return m_answers; }

private:
    QTimer m_timer;
    int m_answers = 0;
};

// Runs the work from the event loop, as the program calls a slot: a deletion it asks for
// waits until control is back in that loop, also while a dialog runs its own.
inline void fromEventLoop(const std::function<void()>& work) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        work();
        loop.quit();
    });
    loop.exec();
}

// A document of that many pages, each starting with "Seite <n>" and forced onto a new page.
inline QTextDocument* pagedDocument(int pages) {
    auto* document = new QTextDocument;
    QString html;
    for (int page = 1; page <= pages; ++page) {
        const QString breakBefore =
            page > 1 ? QStringLiteral(" style=\"page-break-before: always;\"") : QString();
        html += QStringLiteral("<p%1>Seite %2</p>").arg(breakBefore).arg(page);
    }
    document->setHtml(html);
    return document;
}

// PDF files read back with poppler's tools.
namespace pdf {

inline QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning().noquote() << program << arguments << "failed:" << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString infoLine(const QString& path, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

inline int pageCount(const QString& path) {
    return infoLine(path, QStringLiteral("Pages")).toInt();
}

// The text of every page, in page order.
inline QStringList pageTexts(const QString& path) {
    QStringList pages =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// One page as an image, one pixel per point at 72 dpi.
inline QImage pageImage(const QString& path, int page) {
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), path, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace pdf
