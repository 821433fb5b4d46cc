#pragma once
// TfrxDataBand: a band printed once per record of its dataset. Without a
// dataset it prints RowCount times; the band engine counts those rows.
#include "report/model/tfrxband.h"
#include "report/model/tfrxdataset.h"

#include <QPointer>

class TfrxDataBand : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(bool AllowSplit READ AllowSplit WRITE SetAllowSplit)
    Q_PROPERTY(TfrxChild *Child READ Child WRITE SetChild)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(double ColumnWidth READ ColumnWidth WRITE SetColumnWidth)
    Q_PROPERTY(double ColumnGap READ ColumnGap WRITE SetColumnGap)
    Q_PROPERTY(TfrxDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(bool FooterAfterEach READ FooterAfterEach WRITE SetFooterAfterEach)
    Q_PROPERTY(bool KeepChild READ KeepChild WRITE SetKeepChild)
    Q_PROPERTY(bool KeepFooter READ KeepFooter WRITE SetKeepFooter)
    Q_PROPERTY(bool KeepHeader READ KeepHeader WRITE SetKeepHeader)
    Q_PROPERTY(bool KeepTogether READ KeepTogether WRITE SetKeepTogether)
    Q_PROPERTY(QString OutlineText READ OutlineText WRITE SetOutlineText)
    Q_PROPERTY(bool PrintChildIfInvisible READ PrintChildIfInvisible WRITE SetPrintChildIfInvisible)
    Q_PROPERTY(bool PrintIfDetailEmpty READ PrintIfDetailEmpty WRITE SetPrintIfDetailEmpty)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(bool StartNewPage READ StartNewPage WRITE SetStartNewPage)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
    Q_PROPERTY(QString OnMasterDetail READ OnMasterDetail WRITE SetOnMasterDetail)
    Q_CLASSINFO("nodefault", "RowCount")
    Q_MOC_INCLUDE("report/model/tfrxchild.h")
public:
    Q_INVOKABLE explicit TfrxDataBand(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}

    int Columns() const { return m_columns; }
    void SetColumns(int v) { m_columns = v; }
    double ColumnWidth() const { return m_columnWidth; }
    void SetColumnWidth(double v) { m_columnWidth = v; }
    double ColumnGap() const { return m_columnGap; }
    void SetColumnGap(double v) { m_columnGap = v; }
    TfrxDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TfrxDataSet *v);
    QString DataSetName() const;
    void SetDataSetName(const QString &v);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int v) { m_rowCount = v; }
    const QString &OnMasterDetail() const { return m_onMasterDetail; }
    void SetOnMasterDetail(const QString &v) { m_onMasterDetail = v; }

private:
    int m_columns = 0;
    double m_columnWidth = 0;
    double m_columnGap = 0;
    QPointer<TfrxDataSet> m_dataSet;
    QString m_dataSetName;
    int m_rowCount = 0;
    QString m_onMasterDetail;
};
