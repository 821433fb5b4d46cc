#include "report/engine/tfrxenginegroups.h"

#include "report/model/tfrxband.h"

int TfrxEngineGroups::Update(const Calc &calc)
{
    QList<QVariant> values;
    for (TfrxBand *header : std::as_const(m_headers))
        values << (calc && !header->Condition().isEmpty() ? calc(header->Condition()) : QVariant());
    int changed = int(m_headers.size());
    if (!m_open) {
        changed = 0;
    } else {
        for (int i = 0; i < values.size(); ++i)
            // Null equals Null: a group without a condition never changes.
            if (values[i].isNull() != m_values[i].isNull() || (!values[i].isNull() && values[i] != m_values[i])) {
                changed = i;
                break;
            }
    }
    m_values = values;
    m_open = true;
    return changed;
}
