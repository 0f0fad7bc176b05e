#pragma once

#include <storage/projectservice.h>
#include <storage/storageservice.h>

#include <QString>

#include <memory>

// The storage and project services of one program run on a database file.
class StorageFixture {
public:
    explicit StorageFixture(const QString& path);
    ~StorageFixture();

    bool isOpen() const { return m_open; }
    storage::StorageService& storage() { return *m_storage; }
    storage::ProjectService& projects() { return *m_projects; }

private:
    std::unique_ptr<storage::StorageService> m_storage;
    std::unique_ptr<storage::ProjectService> m_projects;
    bool m_open = false;
};
