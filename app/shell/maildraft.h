#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A draft e-mail carrying a project file, for the user's mail program. The subject is the
// project's name (the default project name when it has none); the attachment is the project
// file under the same name with ".ot2".
class MailDraft {
public:
    MailDraft(const QString& projectName, const QByteArray& projectFile);

    QString subject() const { return m_subject; }
    QString attachmentName() const;

    // The draft as a MIME message (".eml"): an unsent multipart message with the project file
    // as its one Base64 attachment, dated stamp.
    QByteArray message(const QDateTime& stamp) const;
    // Writes the message into folder; its path, or empty (with a warning) when it cannot be
    // written.
    QString writeEml(const QString& folder) const;

    // Hands the draft to the user's mail program: on Linux through xdg-email with the project
    // file attached, elsewhere as an ".eml" file the system opens. The files go to a temporary
    // folder only the user can read. False, with a warning, when that fails.
    bool send() const;

private:
    QString m_subject;
    QByteArray m_file;
};
