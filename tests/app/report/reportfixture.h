#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "documentreader.h"

#include <devices/deviceservice.h>
#include <storage/project.h>

// The shipped device catalogue with one more model of three channels, copied from a four-channel
// one: the shipped models have one, two, four or eight.
struct ReportFixture {
    static constexpr int ThreeChannels = 199;
    static constexpr int Weekly8 = 104; // 8 channels, 17 programs
    static constexpr int Weekly4 = 43;  // plain, 4 channels
    static constexpr int Astro2 = 112;  // astronomic
    static constexpr int Hybrid4 = 121; // chooses channel types
    static constexpr int Lumen2 = 141;  // twilight

    ReportFixture() {
        QFile shipped(QStringLiteral(":/data/devices.json"));
        if (!shipped.open(QIODevice::ReadOnly))
            qFatal("No shipped device catalogue");
        QJsonObject catalogue = QJsonDocument::fromJson(shipped.readAll()).object();
        QJsonArray models = catalogue.value(QLatin1String("devices")).toArray();
        for (const QJsonValue& model : std::as_const(models)) {
            QJsonObject entry = model.toObject();
            if (entry.value(QLatin1String("ot2_number")).toInt() != Weekly4)
                continue;
            entry.insert(QStringLiteral("ot2_number"), ThreeChannels);
            entry.insert(QStringLiteral("name"), QStringLiteral("Tarvino Rix2 Weekly 3"));
            entry.insert(QStringLiteral("channels"), 3);
            models.append(entry);
            break;
        }
        catalogue.insert(QStringLiteral("devices"), models);
        QFile copy(folder.filePath(QStringLiteral("devices.json")));
        if (!copy.open(QIODevice::WriteOnly) || copy.write(QJsonDocument(catalogue).toJson()) <= 0)
            qFatal("Cannot write the test catalogue");
        copy.close();
        devices = std::make_unique<devices::DeviceService>();
        devices::DeviceService::m_instance = devices.get();
        // The catalogue checker refuses the three channels, and the catalogue is served all the same.
        devices->init(copy.fileName());
        if (devices->deviceByOt2Number(ThreeChannels).kanals() != 3)
            qFatal("The three-channel model is missing");
    }

    ~ReportFixture() { devices.reset(); }

    QTemporaryDir folder;
    std::unique_ptr<devices::DeviceService> devices;
};

namespace report {

// The project, client and author texts of a sample report.
inline void fillMetadata(storage::Project& project) {
    project.setProjectTitle(QStringLiteral("Beleuchtung Parkhaus Nord"));
    project.setProjectDesc(QStringLiteral("Außenbeleuchtung, Ebenen 1 bis 3 <Umbau 2026> & Zufahrt"));
    project.setClientName(QStringLiteral("Stadtwerke Musterstadt"));
    project.setClientAddress(QStringLiteral("Am Markt 1\n12345 Musterstadt"));
    project.setAuthorName(QStringLiteral("Elektro Beispiel GmbH"));
    project.setAuthorAddress(QStringLiteral("Industriestraße 7\n54321 Beispielheim"));
}

} // namespace report
