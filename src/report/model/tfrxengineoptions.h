#pragma once
// How the band engine runs a report.
#include "report/model/tfrxpersistent.h"

#include <QString>

class TfrxEngineOptions : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool ConvertNulls READ ConvertNulls WRITE SetConvertNulls)
    Q_PROPERTY(bool DoublePass READ DoublePass WRITE SetDoublePass)
    Q_PROPERTY(int MaxMemSize READ MaxMemSize WRITE SetMaxMemSize)
    Q_PROPERTY(bool PrintIfEmpty READ PrintIfEmpty WRITE SetPrintIfEmpty)
    Q_PROPERTY(bool SilentMode READ SilentMode WRITE SetSilentMode)
    Q_PROPERTY(QString TempDir READ TempDir WRITE SetTempDir)
    Q_PROPERTY(bool UseFileCache READ UseFileCache WRITE SetUseFileCache)
public:
    Q_INVOKABLE explicit TfrxEngineOptions(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    bool ConvertNulls() const { return m_convertNulls; }
    void SetConvertNulls(bool v) { m_convertNulls = v; }
    bool DoublePass() const { return m_doublePass; }
    void SetDoublePass(bool v) { m_doublePass = v; }
    // Megabytes.
    int MaxMemSize() const { return m_maxMemSize; }
    void SetMaxMemSize(int v) { m_maxMemSize = v; }
    bool PrintIfEmpty() const { return m_printIfEmpty; }
    void SetPrintIfEmpty(bool v) { m_printIfEmpty = v; }
    bool SilentMode() const { return m_silentMode; }
    void SetSilentMode(bool v) { m_silentMode = v; }
    const QString &TempDir() const { return m_tempDir; }
    void SetTempDir(const QString &v) { m_tempDir = v; }
    bool UseFileCache() const { return m_useFileCache; }
    void SetUseFileCache(bool v) { m_useFileCache = v; }

private:
    bool m_convertNulls = true;
    bool m_doublePass = false;
    int m_maxMemSize = 10;
    bool m_printIfEmpty = true;
    bool m_silentMode = false;
    QString m_tempDir;
    bool m_useFileCache = false;
};
