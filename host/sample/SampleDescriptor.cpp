#include "SampleDescriptor.h"

#include "SampleRandom.h"

#include <QDateTime>
#include <QString>
#include <QXmlStreamWriter>

#include <cstdio>

namespace host::sample {
namespace {

constexpr int kDescriptorVersion = 5;
constexpr std::int64_t kFirstBackupTime = 1704067200; // 2024-01-01
constexpr std::int64_t kBackupTimeSpan = 180 * 24 * 3600;

const char* const kDeviceNames[] = {"iPhone", "Anna's iPhone", "iPhone von Jonas", "Айфон Марии", "山田のiPhone"};

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

SampleDescriptor MakeSampleDescriptor(std::uint64_t seed, const std::string& appleMapsDatabase)
{
    SampleRandom random(MixBits(seed) + 1);
    const std::uint64_t high = random.Next();
    const std::uint64_t low = random.Next();
    char id[33];
    std::snprintf(id, sizeof id, "%016llx%016llx", static_cast<unsigned long long>(high),
                  static_cast<unsigned long long>(low));

    SampleDescriptor descriptor;
    descriptor.version = kDescriptorVersion;
    descriptor.id = id;
    descriptor.created = QDateTime::fromSecsSinceEpoch(kFirstBackupTime + random.Between(0, kBackupTimeSpan), Qt::UTC)
                             .toString(Qt::ISODate)
                             .toStdString();
    descriptor.deviceName = random.Pick(kDeviceNames);
    descriptor.categories = {
        {"Contacts", 3, "Contacts/AddressBook.sqlitedb"},
        {"AppleMaps", 5, appleMapsDatabase},
        {"Notes", 4, "Notes/NoteStore.sqlite"},
    };
    return descriptor;
}

QByteArray DescriptorXml(const SampleDescriptor& descriptor)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Backup"));
    writer.writeTextElement(QStringLiteral("Version"), QString::number(descriptor.version));
    writer.writeTextElement(QStringLiteral("Id"), Text(descriptor.id));
    writer.writeTextElement(QStringLiteral("Created"), Text(descriptor.created));
    writer.writeTextElement(QStringLiteral("DeviceName"), Text(descriptor.deviceName));
    writer.writeStartElement(QStringLiteral("Categories"));
    for (const DescriptorCategory& category : descriptor.categories) {
        writer.writeStartElement(QStringLiteral("Category"));
        writer.writeTextElement(QStringLiteral("Name"), Text(category.name));
        writer.writeTextElement(QStringLiteral("MinimumVersionRequired"),
                                QString::number(category.minimumVersionRequired));
        writer.writeTextElement(QStringLiteral("Database"), Text(category.database));
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

PlistValue DescriptorPlist(const SampleDescriptor& descriptor)
{
    std::vector<PlistValue> categories;
    for (const DescriptorCategory& category : descriptor.categories) {
        categories.push_back(PlistValue::Dictionary({
            {"Name", PlistValue::String(category.name)},
            {"MinimumVersionRequired", PlistValue::Integer(category.minimumVersionRequired)},
            {"Database", PlistValue::String(category.database)},
        }));
    }
    return PlistValue::Dictionary({{"Backup", PlistValue::Dictionary({
                                                  {"Version", PlistValue::Integer(descriptor.version)},
                                                  {"Id", PlistValue::String(descriptor.id)},
                                                  {"Created", PlistValue::String(descriptor.created)},
                                                  {"DeviceName", PlistValue::String(descriptor.deviceName)},
                                                  {"Categories", PlistValue::Array(std::move(categories))},
                                              })}});
}

} // namespace host::sample
