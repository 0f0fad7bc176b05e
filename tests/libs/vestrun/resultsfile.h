#pragma once

#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <memory>

// Reads results files with parsers of their own (QXmlStreamReader and xmllint), not with the
// DOM that wrote them.
namespace resultsfile {

struct Element {
    QString name;
    QXmlStreamAttributes attributes;
    QString text; // the character data directly inside, indentation included
    QList<Element> children;

    QString attribute(const QString& attributeName) const {
        return attributes.value(attributeName).toString();
    }
    QStringList childNames() const {
        QStringList names;
        for (const Element& child : children)
            names.append(child.name);
        return names;
    }
    // The first child of that name; an empty element when there is none.
    Element child(const QString& childName) const {
        for (const Element& element : children) {
            if (element.name == childName)
                return element;
        }
        return {};
    }
    QList<Element> childrenNamed(const QString& childName) const {
        QList<Element> found;
        for (const Element& element : children) {
            if (element.name == childName)
                found.append(element);
        }
        return found;
    }
};

struct Document {
    QString error; // empty when the file parsed
    QString version;
    QString encoding;
    int roots = 0;
    Element root;
};

inline Document read(const QString& path) {
    Document document;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        document.error = QStringLiteral("cannot open ") + path;
        return document;
    }
    QXmlStreamReader reader(&file);
    QList<Element> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            document.version = reader.documentVersion().toString();
            document.encoding = reader.documentEncoding().toString();
            break;
        case QXmlStreamReader::StartElement:
            if (open.isEmpty())
                ++document.roots;
            open.append({reader.name().toString(), reader.attributes(), {}, {}});
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty())
                open.last().text += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            const Element done = open.takeLast();
            if (open.isEmpty())
                document.root = done;
            else
                open.last().children.append(done);
            break;
        }
        default:
            break;
        }
    }
    if (reader.hasError())
        document.error = reader.errorString();
    return document;
}

// Whether xmllint accepts the file; its complaint otherwise.
inline QString xmllintComplaint(const QString& path) {
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    if (!xmllint.waitForFinished(30000))
        return QStringLiteral("xmllint did not run: ") + xmllint.errorString();
    if (xmllint.exitStatus() != QProcess::NormalExit || xmllint.exitCode() != 0)
        return QString::fromUtf8(xmllint.readAllStandardError());
    return {};
}

inline QString pathOf(const QString& name) {
    return QDir::currentPath() + QStringLiteral("/xmlGenerated/") + name + QStringLiteral(".xml");
}

// Every test function runs in a fresh temporary current directory.
class CurrentDirectory {
public:
    CurrentDirectory()
        : m_previous(QDir::currentPath())
        , m_directory(std::make_unique<QTemporaryDir>()) {
        QDir::setCurrent(m_directory->path());
    }
    ~CurrentDirectory() { QDir::setCurrent(m_previous); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

    bool isValid() const { return m_directory->isValid(); }

private:
    QString m_previous;
    std::unique_ptr<QTemporaryDir> m_directory;
};

} // namespace resultsfile
