#pragma once
// The fields, positions and texts of the five record pages of the data entry
// panel, as tables for RecordPage.
#include "app/recordpage.h"

namespace pagelayouts {

PageLayout personel();
PageLayout yetkili();
PageLayout unvan();
PageLayout aile();
PageLayout saglik();

} // namespace pagelayouts
