// The program's Turkish texts for the engine: what every engine message, list
// entry and window caption reads as. Window blocks keep their values exactly,
// trailing spaces included: several group-box captions end in blanks that
// leave room between the caption and the frame line.
#include "report/base/tfrxresources.h"

namespace {

struct KeyedText
{
    const char16_t *key;
    const char16_t *text;
};

const KeyedText kTexts[] = {
    {u"zmPageWidth", u"Sayfa genişliği"},
    {u"zmWholePage", u"Tüm sayfa"},
    {u"ppAll", u"Tüm sayfalar"},
    {u"ppOdd", u"Tek sayfalar"},
    {u"ppEven", u"Çift sayfalar"},
    {u"mbError", u"Hata"},
    {u"xrCantFindClass", u"Sınıf bulunamadı"},
    {u"prVirtual", u"Sanal"},
    {u"prDefault", u"Varsayılan"},
    {u"prCustom", u"Özel"},
    {u"enUnconnHeader", u"Bağlantısız Rapor Başlığı/Sonu"},
    {u"enUnconnGroup", u"Grup için veri bandı yok"},
    {u"enUnconnGFooter", u"Grup başlığı olmayan"},
    {u"enBandPos", u"Geçersiz band pozisyonu:"},
    {u"dbNotConn", u"%s DataSet'i veriye bağlanmamış"},
    {u"dbFldNotFound", u"Saha bulunamadı:"},
    {u"clUnknownVar", u"Bilinmeyen değişken veya saha:"},
    {u"clScrError", u"Script Hatası %s: %s"},
    {u"clDSNotExist", u"\"%s\" Dataset'i oluşturulmamış"},
    {u"clErrors", u"Aşağıdaki hata(lar) oluştu:"},
    {u"clExprError", u"Söz dizimi hatası"},
    {u"clSaving", u"Dosya Kaydediliyor..."},
    {u"clCancel", u"Vazgeç"},
    {u"clClose", u"Kapat"},
    {u"clLoading", u"Dosya yükleniyor..."},
    {u"clPageOf", u"Sayfa %d / %d"},
    {u"clFirstPass", u"İlk geçiş: sayfa "},
    {u"clNoPrinters", u"Bilgisayarınızda kurulu hiçbir yazıcı yok"},
    {u"prRunningFirst", u"İlk çalışan : sayfa %d"},
    {u"prRunning", u"Hazırlanan sayfa %d"},
    {u"prPrinting", u"Yazılan sayfa %d"},
    {u"prExporting", u"Sayfa dışarı atılıyor %d"},
};

// Toolbar buttons of the preview: caption and hint.
const char16_t *const kPreviewForm[] = {
    u"Caption=Önizleme",
    u"PrintB.Caption=Yazdır",
    u"PrintB.Hint=Yazdır",
    u"OpenB.Caption=Aç",
    u"OpenB.Hint=Aç",
    u"SaveB.Caption=Kaydet",
    u"SaveB.Hint=Kaydet",
    u"ExportB.Caption=Veri Ver",
    u"ExportB.Hint=Veri Ver",
    u"FindB.Caption=Bul",
    u"FindB.Hint=Bul",
    u"ZoomWholePageB.Caption=Tüm Sayfa",
    u"ZoomWholePageB.Hint=Tüm Sayfa",
    u"ZoomPageWidthB.Caption=Sayfa Genişliği",
    u"ZoomPageWidthB.Hint=Sayfa Genişliği",
    u"Zoom100B.Caption=%100",
    u"Zoom100B.Hint=%100",
    u"Zoom50B.Caption=İki Sayfa",
    u"Zoom50B.Hint=İki Sayfa",
    u"ZoomCB.Hint=Yakınlaştır",
    u"PageSettingsB.Caption=Kenar Boşlukları",
    u"PageSettingsB.Hint=Kenar Boşlukları",
    u"OutlineB.Caption=Anahat",
    u"OutlineB.Hint=Anahat",
    u"HandToolB.Caption=Taşı",
    u"HandToolB.Hint=Taşıma Aracı",
    u"ZoomToolB.Caption=Yakınlaştır",
    u"ZoomToolB.Hint=Yakınlaştırma Aracı",
    u"NewPageB.Caption=Sayfa Ekle",
    u"NewPageB.Hint=Sayfa Ekle",
    u"DelPageB.Caption=Sil",
    u"DelPageB.Hint=Sayfa Sil",
    u"DesignerB.Caption=Düzenlet",
    u"DesignerB.Hint=Sayfa Düzenle",
    u"FirstB.Caption=İlk",
    u"FirstB.Hint=İlk Sayfa",
    u"PriorB.Caption=Önceki",
    u"PriorB.Hint=Önceki Sayfa",
    u"PageE.Hint=Sayfa Numarası",
    u"NextB.Caption=Sonraki",
    u"NextB.Hint=Sonraki Sayfa",
    u"LastB.Caption=Son",
    u"LastB.Hint=Son Sayfa",
    u"CancelB.Caption=Kapat",
};

const char16_t *const kPrintDialog[] = {
    u"Caption=Yazdır",
    u"PrinterGB.Caption=Yazıcı   ",
    u"TypeL.Caption=Tür:",
    u"WhereL.Caption=Konum:",
    u"PropButton.Caption=Özellikler...",
    u"FileCB.Caption=Dosyaya yazdır",
    u"ReverseCB.Caption=Sayfayı çevir",
    u"PageRangeGB.Caption=Sayfa Aralığı   ",
    u"AllRB.Caption=Tümü",
    u"CurPageRB.Caption=Geçerli sayfa",
    u"PageNumbersRB.Caption=Sayfa:",
    u"DescrL.Caption=Sayfa numaralarını ve/veya sayfa aralıklarını virgülle ayırarak girin. Örn. 1,3,5-12",
    u"CopiesGB.Caption=Kopya sayısı   ",
    u"CopiesL.Caption=Kopya Sayısı",
    u"CollateL.Caption=Harmanla",
    u"PrintL.Caption=Yazdır",
    u"OkB.Caption=Tamam",
    u"CancelB.Caption=Vazgeç",
};

const char16_t *const kPageSettingsForm[] = {
    u"Caption=Sayfa Ayarları",
    u"SizeGB.Caption=Kağıt Boyutu  ",
    u"WidthL.Caption=Genişlik",
    u"HeightL.Caption=Yükseklik",
    u"UnitL1.Caption=cm",
    u"UnitL2.Caption=cm",
    u"OrientationGB.Caption=Yönlendirme  ",
    u"PortraitRB.Caption=Dikey",
    u"LandscapeRB.Caption=Yatay",
    u"MarginsGB.Caption=Kenar Boşlukları ",
    u"LeftL.Caption=Sol",
    u"TopL.Caption=Üst",
    u"RightL.Caption=Sağ",
    u"BottomL.Caption=Alt",
    u"UnitL3.Caption=cm",
    u"UnitL4.Caption=cm",
    u"UnitL5.Caption=cm",
    u"UnitL6.Caption=cm",
    u"OtherGB.Caption=Diğer  ",
    u"ApplyToCurRB.Caption=Geçerli sayfaya uygula",
    u"ApplyToAllRB.Caption=Tüm sayfalara uygula",
    u"OkB.Caption=Tamam",
    u"CancelB.Caption=Vazgeç",
};

const char16_t *const kSearchDialog[] = {
    u"Caption=Bul",
    u"TextL.Caption=Aranacak kelime:",
    u"OptionsGB.Caption=Arama seçenekleri   ",
    u"TopCB.Caption=Baştan ara",
    u"CaseCB.Caption=Büyük/küçük harf duyarlı",
    u"ReplaceL.Caption=Değiştir",
    u"OkB.Caption=Tamam",
    u"CancelB.Caption=Vazgeç",
};

const char16_t *const kProgress[] = {
    u"CancelB.Caption=Vazgeç",
};

template <std::size_t N>
QStringList lines(const char16_t *const (&block)[N])
{
    QStringList out;
    out.reserve(N);
    for (const char16_t *line : block)
        out.append(QString::fromUtf16(line));
    return out;
}

} // namespace

void frxRegisterTurkishTexts(TfrxResources &resources)
{
    for (const KeyedText &t : kTexts)
        resources.AddText(QString::fromUtf16(t.key), QString::fromUtf16(t.text));
    resources.AddWindowBlock(QStringLiteral("TfrxPreviewForm"), lines(kPreviewForm));
    resources.AddWindowBlock(QStringLiteral("TfrxPrintDialog"), lines(kPrintDialog));
    resources.AddWindowBlock(QStringLiteral("TfrxPageSettingsForm"), lines(kPageSettingsForm));
    resources.AddWindowBlock(QStringLiteral("TfrxSearchDialog"), lines(kSearchDialog));
    resources.AddWindowBlock(QStringLiteral("TfrxProgress"), lines(kProgress));
}
