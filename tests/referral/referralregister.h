#pragma once
// A fresh encrypted register in a temporary working folder, with a small
// office: the first staff member has every column filled and two dependants,
// the second has none; one signatory. The program's datasets are opened on
// it as the main window opens them.
#include "records/db/maindatasets.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class ReferralRegister
{
public:
    // Empty leaves every table empty.
    enum class Content { Office, Empty };
    explicit ReferralRegister(Content content = Content::Office);
    ~ReferralRegister();

    // Runs statements on the file through a connection of its own.
    void exec(const QString &sql) const;
    // The first column of every row of a query, as texts joined by "|".
    QString column(const QString &sql) const;
    // Opens the seven datasets.
    db::MainDatasets &open();
    db::MainDatasets &data() { return *m_data; }

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
    std::unique_ptr<db::MainDatasets> m_data;
};
