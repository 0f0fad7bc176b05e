#pragma once

#include <QObject>

// Marks the classes that produce translated texts, so that a qobject_cast can find them.
class TrFunctions {
protected:
    TrFunctions() = default;
    ~TrFunctions() = default;
};

Q_DECLARE_INTERFACE(TrFunctions, "TrFunctions")
