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

// The shipped device catalogue with more models copied from a four-channel one: one of three
// channels (the shipped models have one, two, four or eight), and models with options that have
// one option capability each, or none of them.
struct ReportFixture {
    static constexpr int ThreeChannels = 199;
    static constexpr int ExtensionModuleOnly = 201;
    static constexpr int OperatingTimeOnly = 202;
    static constexpr int ExternalInputOnly = 203;
    static constexpr int LcdOnly = 204;
    // Options without any option capability, and no date and time settings nor holidays.
    static constexpr int BareOptions = 205;
    // Holidays without date and time settings.
    static constexpr int BareHolidays = 206;
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
        QJsonObject weekly4;
        for (const QJsonValue& model : std::as_const(models)) {
            if (model.toObject().value(QLatin1String("ot2_number")).toInt() == Weekly4)
                weekly4 = model.toObject();
        }
        QJsonObject three = weekly4;
        three.insert(QStringLiteral("ot2_number"), ThreeChannels);
        three.insert(QStringLiteral("name"), QStringLiteral("Tarvino Rix2 Weekly 3"));
        three.insert(QStringLiteral("channels"), 3);
        models.append(three);
        const QStringList options{QStringLiteral("hasExtensionModule"), QStringLiteral("hasOperatingTime"),
                                  QStringLiteral("hasExternalInput"), QStringLiteral("hasLcdIllumination")};
        const auto optionModel = [&](int number, const QString& kept, bool dateTime, bool holidays) {
            QJsonObject entry = weekly4;
            entry.insert(QStringLiteral("ot2_number"), number);
            entry.insert(QStringLiteral("name"), QStringLiteral("Tarvino Optionen %1").arg(number));
            entry.insert(QStringLiteral("languageFileIdentifier"), QStringLiteral("TVOPTIONS%1").arg(number));
            for (const QString& option : options)
                entry.insert(option, option == kept);
            entry.insert(QStringLiteral("hasDateTimeSettings"), dateTime);
            entry.insert(QStringLiteral("hasVaccancy"), holidays);
            models.append(entry);
        };
        for (int i = 0; i < options.size(); ++i)
            optionModel(ExtensionModuleOnly + i, options.at(i), true, true);
        optionModel(BareOptions, QString(), false, false);
        optionModel(BareHolidays, QString(), false, true);
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
