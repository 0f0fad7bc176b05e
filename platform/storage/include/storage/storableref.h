#pragma once

#include <QExplicitlySharedDataPointer>
#include <QtGlobal>

namespace storage {

// Handle to one record of a project. Copies share the record, so a write through any copy is
// seen by every holder. A default-built handle is null. Records are read together with their
// project, so a handle that is not null always has its record at hand (isLoaded()).
template <typename T>
class StorableRef {
public:
    StorableRef() = default;
    explicit StorableRef(T* record)
        : d(record)
    {
    }

    bool isNull() const { return !d; }
    bool isLoaded() const { return !isNull(); }
    qint64 id() const { return d ? d->id() : 0; }

    T* operator->() const { return d.data(); }
    T& operator*() const { return *d; }
    T* data() const { return d.data(); }
    const T* constData() const { return d.constData(); }

    // True when both handles name the same record.
    bool operator==(const StorableRef& other) const { return d == other.d; }

private:
    QExplicitlySharedDataPointer<T> d;
};

} // namespace storage
