#include "config/Registry3Qt.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>

namespace Registry3 {

namespace {

// Where a key path lives: the settings of an organisation and application, and the
// group inside them ("" for the settings themselves).
struct KeyLocation {
    QString strOrganisation;
    QString strApplication;
    QString strGroup;
};

constexpr char strOtherKeysOrganisation[] = "Quillfen";
constexpr char strOtherKeysApplication[] = "OtherKeys";

constexpr char strSuccess[] = "The operation completed successfully.";
constexpr char strBadParameter[] = "The parameter is incorrect.";

// Returns false for a key path that names no key at all (empty, or only separators).
bool LocateKey(const std::string& keyPath, KeyLocation& where) {
    const QStringList parts = QString::fromStdString(keyPath).split('\\', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    if (parts.size() >= 3 && parts[0].compare("Software", Qt::CaseInsensitive) == 0) {
        where.strOrganisation = parts[1];
        where.strApplication = parts[2];
        where.strGroup = parts.mid(3).join('/');
    } else {
        where.strOrganisation = strOtherKeysOrganisation;
        where.strApplication = strOtherKeysApplication;
        where.strGroup = parts.join('/');
    }
    return true;
}

// A settings file that could not be read, as it was then.
struct FileFault {
    QSettings::Status status;
    qint64 lngSize;
    QDateTime datModified;
};

// Returns the state of the settings file behind settings. Qt parses a file once and keeps
// it for the whole run, reporting a fault only to the first reader, so a fault is
// remembered here until the file changes on disk.
QSettings::Status FileStatus(const QSettings& settings) {
    static std::map<QString, FileFault> faults;
    const QFileInfo info(settings.fileName());
    const FileFault now{settings.status(), info.size(), info.lastModified()};
    if (now.status != QSettings::NoError) {
        faults[settings.fileName()] = now;
        return now.status;
    }
    const auto it = faults.find(settings.fileName());
    if (it == faults.end())
        return QSettings::NoError;
    if (it->second.lngSize == now.lngSize && it->second.datModified == now.datModified) {
        return it->second.status;
    }
    faults.erase(it);
    return QSettings::NoError;
}

// A key exists when its settings file does, or, for a sub key, when it holds any value.
bool KeyExists(QSettings& settings, const QString& group) {
    if (group.isEmpty())
        return QFileInfo::exists(settings.fileName());
    settings.beginGroup(group);
    const bool blnHasValues = !settings.allKeys().isEmpty();
    settings.endGroup();
    return blnHasValues;
}

// The status text of a settings file that could be neither read nor written.
std::string KeyFailure(QSettings::Status status) {
    if (status == QSettings::AccessError) {
        return "5 Unable to create (or find) key.  Access is denied.";
    }
    return "1009 Unable to create (or find) key.  The configuration registry database is "
           "corrupt.";
}

}  // namespace

std::string QtSettingsStore::WriteStringValue(const std::string& keyPath, const std::string& name,
                                              const std::string& value) {
    KeyLocation where;
    if (!LocateKey(keyPath, where)) {
        return std::string("87 Unable to create (or find) key.  ") + strBadParameter;
    }
    if (name.empty())
        return std::string("2 Name not specified.  ") + strBadParameter;

    QSettings settings(where.strOrganisation, where.strApplication);
    settings.setFallbacksEnabled(false);
    // A file that cannot be read is never overwritten: what else it holds would be lost.
    const QSettings::Status status = FileStatus(settings);
    if (status != QSettings::NoError)
        return KeyFailure(status);

    const bool blnExisted = KeyExists(settings, where.strGroup);
    if (!where.strGroup.isEmpty())
        settings.beginGroup(where.strGroup);
    settings.setValue(QString::fromStdString(name), QString::fromStdString(value));
    if (!where.strGroup.isEmpty())
        settings.endGroup();
    settings.sync();
    if (FileStatus(settings) != QSettings::NoError)
        return KeyFailure(settings.status());

    return std::string(blnExisted ? "0 Key already exists." : "0 New key created.") + "  " +
           strSuccess;
}

std::string QtSettingsStore::ReadStringValue(const std::string& keyPath, const std::string& name,
                                             std::string& value) {
    const std::string strNoKey = "1 Key not found or is empty.";
    KeyLocation where;
    if (!LocateKey(keyPath, where))
        return strNoKey;

    QSettings settings(where.strOrganisation, where.strApplication);
    settings.setFallbacksEnabled(false);
    if (FileStatus(settings) != QSettings::NoError || !KeyExists(settings, where.strGroup)) {
        return strNoKey;
    }
    if (name.empty())
        return "2 Name not specified.";

    if (!where.strGroup.isEmpty())
        settings.beginGroup(where.strGroup);
    const QString strName = QString::fromStdString(name);
    if (!settings.contains(strName))
        return "3 Name not found.";
    const QVariant stored = settings.value(strName);
    const int intType = stored.typeId();
    if (intType == QMetaType::QStringList || intType == QMetaType::QVariantList ||
        intType == QMetaType::QVariantMap || !stored.canConvert<QString>()) {
        value.clear();
        return "4 The data is invalid.";
    }
    value = stored.toString().toStdString();
    return "0 OK";
}

}  // namespace Registry3
