#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

// Marks the classes that produce translated texts, so that a qobject_cast can find them.
class TrFunctions {
protected:
    TrFunctions() = default;
    ~TrFunctions() = default;
};

Q_DECLARE_INTERFACE(TrFunctions, "TrFunctions")

// A text of a fixed context; the translation script knows this name, so the text is gathered.
inline QString trText(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate(context, source, disambiguation, n);
}
