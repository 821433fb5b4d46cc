#pragma once
// The font of a report component, kept as plain data. Size is derived from the
// stored Height (negative character height in pixels at 96 dpi), so a template
// that says Height -13 is a 10 pt font and round-trips exactly.
//
// A font tells its owner about every change through the change hook; that is how
// a component learns that it no longer follows its parent's font.
#include "report/model/frxtypes.h"
#include "report/model/tfrxpersistent.h"

#include <QString>
#include <functional>

class TfrxFont : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle)
    Q_CLASSINFO("nodefault", "Charset,Color,Height,Style")
public:
    static constexpr int DefaultCharset = 1;

    Q_INVOKABLE explicit TfrxFont(QObject *parent = nullptr);

    int Charset() const { return m_charset; }
    void SetCharset(int v);
    TColor Color() const { return m_color; }
    void SetColor(TColor v);
    int Height() const { return m_height; }
    void SetHeight(int v);
    const QString &Name() const { return m_name; }
    void SetName(const QString &v);
    // Points: |Height| x 72 / 96, rounded to the nearest integer.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles v);

    // Copies every value, with one change notification at the end.
    void Assign(const TfrxFont &other);
    bool operator==(const TfrxFont &other) const;

    // Called after every change; the owning component installs it.
    void SetOnChange(std::function<void()> hook) { m_onChange = std::move(hook); }

private:
    void changed();

    int m_charset = DefaultCharset;
    TColor m_color = clBlack;
    int m_height = -13;
    QString m_name = QStringLiteral("Arial");
    TFontStyles m_style;
    std::function<void()> m_onChange;
};
