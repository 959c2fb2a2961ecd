#include "service/ReturnedDataBlock.h"

namespace stoupe::service {

ReturnedDataBlock& ReturnedDataBlock::Item(std::string_view tag, std::string_view value) {
    m_items.append(tag).append(":").append(value).append("###;");
    return *this;
}

ReturnedDataBlock& ReturnedDataBlock::Aliases(const std::vector<std::string>& aliases,
                                              int maxAliases) {
    Item("###NUM", std::to_string(aliases.size()));
    for (const std::string& alias : aliases)
        Item("###ALI", alias);
    return Item("###MAX", std::to_string(maxAliases));
}

std::string ReturnedDataBlock::Text() const {
    return "###RETURNED DATA###" + m_items + "###DATA TRANSFER COMPLETE###";
}

} // namespace stoupe::service
