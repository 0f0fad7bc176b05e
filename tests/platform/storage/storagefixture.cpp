#include "storagefixture.h"

StorageFixture::StorageFixture(const QString& path)
    : m_storage(std::make_unique<storage::StorageService>())
    , m_projects(std::make_unique<storage::ProjectService>())
{
    storage::StorageService::m_instance = m_storage.get();
    storage::ProjectService::m_instance = m_projects.get();
    m_open = m_storage->open(path) && m_projects->init();
}

StorageFixture::~StorageFixture()
{
    // As at the end of the program: the project service goes first and writes what is pending.
    m_projects.reset();
    m_storage.reset();
}
