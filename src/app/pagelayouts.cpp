#include "app/pagelayouts.h"

namespace pagelayouts {

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

PageLayout personel()
{
    PageLayout p;
    p.panelName = s("Panel10");
    p.buttonPrefix = s("P");
    p.question = s(" adlı personele ait kayıtları silinsin mi?");
    p.displayColumn = s("Birlestir");
    p.buttonOrder = ButtonOrder::KaydetEkleSil;
    p.fields = {
        {s("Adı :"), s("DBEdit6"), s("Adi"), KeyRule::TitleCase, {56, 56}, 121},
        {s("Soyadı :"), s("DBEdit8"), s("Soyadi"), KeyRule::Capitals, {56, 80}, 121},
        {s("Görevi :"), s("DBComboBox1"), s("Gorevi"), KeyRule::None, {56, 104}, 121, FieldKind::ComboBox},
        {s("Sicil No :"), s("DBEdit10"), s("SicilNo"), KeyRule::TitleCase, {272, 56}, 89},
        {s("Kadro Derecesi :"), s("DBEdit11"), s("KadroDerece"), KeyRule::TitleCase, {272, 80}, 89},
        {s("T.C Kimlik No :"), s("DBEdit21"), s("TCKimlik"), KeyRule::None, {272, 104}, 89},
        {s("Emekli Sicil No :"), s("DBEdit22"), s("TCVergi"), KeyRule::None, {272, 128}, 89},
        {s("Sağlık Karne No :"), s("DBEdit14"), s("YedekAlan1"), KeyRule::TitleCase, {272, 152}, 89},
    };
    return p;
}

PageLayout yetkili()
{
    PageLayout p;
    p.panelName = s("Panel11");
    p.buttonPrefix = s("Y");
    p.question = s(" adlı kurum yetkilisi silinsin mi?");
    p.displayColumn = s("Birlestir");
    p.listName = s("DBLookupListBox1");
    p.listAt = {240, 48};
    p.fields = {
        {s("Adı :"), s("DBEdit12"), s("Adi"), KeyRule::TitleCase, {112, 48}, 121},
        {s("Soyadı :"), s("DBEdit13"), s("Soyadi"), KeyRule::Capitals, {112, 72}, 121},
        {s("Unvanı :"), s("DBComboBox2"), s("Unvani"), KeyRule::None, {112, 112}, 121, FieldKind::ComboBox},
    };
    return p;
}

PageLayout unvan()
{
    PageLayout p;
    p.panelName = s("Panel13");
    p.buttonPrefix = s("U");
    p.question = s(" ünvanı silinsin mi?");
    p.displayColumn = s("Kategori");
    p.listName = s("DBLookupListBox2");
    p.listAt = {240, 48};
    p.fields = {
        {s("Ünvan Giriniz"), s("DBEdit15"), s("Kategori"), KeyRule::TitleCase, {56, 88}, 169,
         FieldKind::Edit, LabelPlace::Above},
    };
    return p;
}

PageLayout aile()
{
    PageLayout p;
    p.panelName = s("Panel14");
    p.buttonPrefix = s("A");
    p.question = s(" adlı aile bireyi silinsin mi?");
    p.displayColumn = s("Birlestir");
    p.listName = s("DBLookupListBox3");
    p.listAt = {240, 56};
    p.buttonOrder = ButtonOrder::KaydetEkleSil;
    p.fields = {
        {s("Adı :"), s("DBEdit18"), s("Adi"), KeyRule::TitleCase, {112, 60}, 121},
        {s("Soyadı :"), s("DBEdit16"), s("Soyadi"), KeyRule::Capitals, {112, 84}, 121},
        {s("TC Kimlik No :"), s("DBEdit7"), s("TCKimlik"), KeyRule::None, {112, 108}, 121},
        {s("Yakınlığı :"), s("DBEdit17"), s("Yakinligi"), KeyRule::TitleCase, {112, 132}, 121,
         FieldKind::Edit, LabelPlace::Left, 0, true},
        {s("Sağlık Karne No :"), s("DBEdit9"), s("KarneNo"), KeyRule::TitleCase, {112, 156}, 121},
    };
    return p;
}

PageLayout saglik()
{
    PageLayout p;
    p.panelName = s("Panel15");
    p.buttonPrefix = s("S");
    p.question = s(" adlı sağlık kuruluşu silinsin mi?");
    p.displayColumn = s("SKurum");
    p.listName = s("DBLookupListBox4");
    p.listAt = {240, 48};
    p.fields = {
        {s("Sağlık Kuruluşunun Adını Giriniz"), s("DBEdit19"), s("SKurum"), KeyRule::TitleCase,
         {56, 88}, 169, FieldKind::Edit, LabelPlace::Above, 25},
    };
    return p;
}

} // namespace pagelayouts
