#pragma once
// The options of the settings window as plain data: what its check boxes and
// radio buttons hold, and what the settings file keeps of them.

// Which of the three statistics radio buttons is selected.
enum class StatisticsMode {
    NotKept,      // RBtn1 "İstatistik için kayıt tutulmasın."
    AskEachTime,  // RBtn2 "Her seferinde kullanıcı onayı ile kayıt yapılsın."
    Always,       // RBtn3 "İstatistik için sürekli kayıt yapılsın."
    NoneSelected, // none of them: counts nothing and asks nothing
};

struct SettingsOptions
{
    bool preview = true;        // ChkYazdir "Yazıcı önizleme ekranı sürekli görünsün."
    bool filterSearch = false;  // ChkArama "Arama fonksiyonu filtreleme yönetmiyle çalışsın."
    bool alphabetical = false;  // ChkSira "Kayıtlar alfabetik sırada gösterilsin."
    bool autoExitDate = false;  // ChkTarih "\"Kurum Kayıt Çıkış Tarihi\" Otomatik yazılsın."
    StatisticsMode statistics = StatisticsMode::NotKept;

    friend bool operator==(const SettingsOptions &, const SettingsOptions &) = default;
};
