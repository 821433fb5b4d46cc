#pragma once
// Descriptive data of a report: author, name, version, dates, description and
// picture. No template of the program sets a password.
#include "report/model/tfrxpicture.h"
#include "report/model/tfrxpersistent.h"

#include <QDateTime>
#include <QStringList>

class TfrxReportOptions : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString Author READ Author WRITE SetAuthor)
    Q_PROPERTY(bool Compressed READ Compressed WRITE SetCompressed)
    Q_PROPERTY(QDateTime CreateDate READ CreateDate WRITE SetCreateDate)
    Q_PROPERTY(QStringList Description READ Description WRITE SetDescription)
    Q_PROPERTY(QString InitString READ InitString WRITE SetInitString)
    Q_PROPERTY(QDateTime LastChange READ LastChange WRITE SetLastChange)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QString Password READ Password WRITE SetPassword)
    Q_PROPERTY(TfrxPicture *Picture READ Picture)
    Q_PROPERTY(QString VersionBuild READ VersionBuild WRITE SetVersionBuild)
    Q_PROPERTY(QString VersionMajor READ VersionMajor WRITE SetVersionMajor)
    Q_PROPERTY(QString VersionMinor READ VersionMinor WRITE SetVersionMinor)
    Q_PROPERTY(QString VersionRelease READ VersionRelease WRITE SetVersionRelease)
public:
    Q_INVOKABLE explicit TfrxReportOptions(QObject *parent = nullptr);

    // Every member back to its default; both dates become the present moment.
    void Reset();

    const QString &Author() const { return m_author; }
    void SetAuthor(const QString &v) { m_author = v; }
    bool Compressed() const { return m_compressed; }
    void SetCompressed(bool v) { m_compressed = v; }
    const QDateTime &CreateDate() const { return m_createDate; }
    void SetCreateDate(const QDateTime &v) { m_createDate = v; }
    const QStringList &Description() const { return m_description; }
    void SetDescription(const QStringList &v) { m_description = v; }
    const QString &InitString() const { return m_initString; }
    void SetInitString(const QString &v) { m_initString = v; }
    const QDateTime &LastChange() const { return m_lastChange; }
    void SetLastChange(const QDateTime &v) { m_lastChange = v; }
    const QString &Name() const { return m_name; }
    void SetName(const QString &v) { m_name = v; }
    const QString &Password() const { return m_password; }
    void SetPassword(const QString &v) { m_password = v; }
    TfrxPicture *Picture() const { return m_picture; }
    const QString &VersionBuild() const { return m_versionBuild; }
    void SetVersionBuild(const QString &v) { m_versionBuild = v; }
    const QString &VersionMajor() const { return m_versionMajor; }
    void SetVersionMajor(const QString &v) { m_versionMajor = v; }
    const QString &VersionMinor() const { return m_versionMinor; }
    void SetVersionMinor(const QString &v) { m_versionMinor = v; }
    const QString &VersionRelease() const { return m_versionRelease; }
    void SetVersionRelease(const QString &v) { m_versionRelease = v; }

private:
    QString m_author;
    bool m_compressed = false;
    QDateTime m_createDate;
    QStringList m_description;
    QString m_initString;
    QDateTime m_lastChange;
    QString m_name;
    QString m_password;
    TfrxPicture *m_picture;
    QString m_versionBuild;
    QString m_versionMajor;
    QString m_versionMinor;
    QString m_versionRelease;
};
