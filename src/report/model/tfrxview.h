#pragma once
// TfrxView: a visible rectangle with fill, frame and optional data binding.
//
// The fill, frame and binding members live here for every view, but only the
// view classes that offer them publish them (a shape has no DataField, a line no
// Color), so a template carries exactly the members its object can use.
#include "report/model/tfrxdataset.h"
#include "report/model/tfrxframe.h"
#include "report/model/tfrxreportcomponent.h"

#include <QPointer>

class TfrxView : public TfrxReportComponent
{
    Q_OBJECT
    Q_PROPERTY(TfrxAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(bool Printable READ Printable WRITE SetPrintable)
    Q_PROPERTY(TfrxShiftMode ShiftMode READ ShiftMode WRITE SetShiftMode)
    Q_PROPERTY(QString TagStr READ TagStr WRITE SetTagStr)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(QString OnBeforePrint READ OnBeforePrint WRITE SetOnBeforePrint)
    Q_PROPERTY(QString OnAfterPrint READ OnAfterPrint WRITE SetOnAfterPrint)
    Q_PROPERTY(QString OnAfterData READ OnAfterData WRITE SetOnAfterData)
    Q_PROPERTY(QString OnPreviewClick READ OnPreviewClick WRITE SetOnPreviewClick)
public:
    Q_INVOKABLE explicit TfrxView(TfrxComponent *AOwner = nullptr);

    TfrxAlign Align() const { return m_align; }
    void SetAlign(TfrxAlign v) { m_align = v; }
    TBrushStyle BrushStyle() const { return m_brushStyle; }
    void SetBrushStyle(TBrushStyle v) { m_brushStyle = v; }
    TColor Color() const { return m_color; }
    virtual void SetColor(TColor v) { m_color = v; }
    int Cursor() const { return m_cursor; }
    void SetCursor(int v) { m_cursor = v; }
    // Setting the dataset sets the name to its UserName; setting the name looks
    // the dataset up among the report's datasets.
    TfrxDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TfrxDataSet *v);
    QString DataSetName() const;
    void SetDataSetName(const QString &v);
    const QString &DataField() const { return m_dataField; }
    void SetDataField(const QString &v) { m_dataField = v; }
    // Bound when it has a dataset and a field name.
    bool IsDataField() const { return m_dataSet && !m_dataField.isEmpty(); }
    TfrxFrame *Frame() const { return m_frame; }
    bool Printable() const { return m_printable; }
    void SetPrintable(bool v) { m_printable = v; }
    TfrxShiftMode ShiftMode() const { return m_shiftMode; }
    void SetShiftMode(TfrxShiftMode v) { m_shiftMode = v; }
    const QString &TagStr() const { return m_tagStr; }
    void SetTagStr(const QString &v) { m_tagStr = v; }
    const QString &URL() const { return m_url; }
    void SetURL(const QString &v) { m_url = v; }
    const QString &OnBeforePrint() const { return m_onBeforePrint; }
    void SetOnBeforePrint(const QString &v) { m_onBeforePrint = v; }
    const QString &OnAfterPrint() const { return m_onAfterPrint; }
    void SetOnAfterPrint(const QString &v) { m_onAfterPrint = v; }
    const QString &OnAfterData() const { return m_onAfterData; }
    void SetOnAfterData(const QString &v) { m_onAfterData = v; }
    const QString &OnPreviewClick() const { return m_onPreviewClick; }
    void SetOnPreviewClick(const QString &v) { m_onPreviewClick = v; }

    void BeforeOutput() override;
    void AfterOutput() override;

private:
    TfrxAlign m_align = TfrxAlign::baNone;
    TBrushStyle m_brushStyle = TBrushStyle::bsSolid;
    TColor m_color = clNone;
    int m_cursor = 0;
    QPointer<TfrxDataSet> m_dataSet;
    QString m_dataSetName;
    QString m_dataField;
    TfrxFrame *m_frame;
    bool m_printable = true;
    TfrxShiftMode m_shiftMode = TfrxShiftMode::smAlways;
    QString m_tagStr;
    QString m_url;
    QString m_onBeforePrint;
    QString m_onAfterPrint;
    QString m_onAfterData;
    QString m_onPreviewClick;
    QString m_savedTagStr;
    QString m_savedURL;
};
