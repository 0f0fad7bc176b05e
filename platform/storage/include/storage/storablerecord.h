#pragma once

#include <QSharedData>
#include <QtGlobal>

namespace storage {

class Database;

// Base of every record that a StorableRef handles. The id is given by the database when the
// record is first written and never changes afterwards; 0 means "not stored yet".
class StorableRecord : public QSharedData {
public:
    qint64 id() const { return m_id; }

private:
    friend class Database;
    qint64 m_id = 0;
};

} // namespace storage
