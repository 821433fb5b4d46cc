#include "report/model/tfrxreportoptions.h"

TfrxReportOptions::TfrxReportOptions(QObject *parent) : TfrxPersistent(parent), m_picture(new TfrxPicture(this))
{
    Reset();
}

void TfrxReportOptions::Reset()
{
    m_author.clear();
    m_compressed = false;
    m_createDate = m_lastChange = QDateTime::currentDateTime();
    m_description.clear();
    m_initString.clear();
    m_name.clear();
    m_password.clear();
    m_picture->Clear();
    m_versionBuild.clear();
    m_versionMajor.clear();
    m_versionMinor.clear();
    m_versionRelease.clear();
}
