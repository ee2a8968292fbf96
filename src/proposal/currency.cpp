#include "proposal/currency.h"

#include "catalogue/price_list_label.h"

namespace belvo {

std::string MenaCeniku(std::string_view cenik)
{
    std::string currency = CenikIdCurrency(cenik);
    return currency.empty() ? std::string("Kč") : currency;
}

}  // namespace belvo
