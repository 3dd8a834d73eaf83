#include "common/services/table_change_text.h"

#include "common/settings/decimal_text.h"
#include "common/text/texts.h"

std::string TableChangeFailureText(TableChange result) {
    switch (result) {
        case TableChange::Stored:
            return "";
        case TableChange::RowChanged:
            return Text(IDS_TABLE_ROW_CHANGED);
        case TableChange::TableFull:
            return Text(IDS_TABLE_FULL, {DecimalText(MaxMappingCount)});
        case TableChange::Busy:
            return Text(IDS_TABLE_BUSY);
        case TableChange::Refused:
            break;
    }
    return Text(IDS_TABLE_REFUSED);
}
