#include "Sitemaps.h"

#include "FunctionPages.h"
#include "HelpPages.h"
#include "KeyTopics.h"
#include "calculator/Keypad.h"
#include "clinical/Catalogue.h"

#include <utility>

namespace solvanex::helpcontent {

std::string ContentsSitemap(std::string templateText) {
  std::string contents = FillTemplate(std::move(templateText), "<!-- @FORMULES@ -->",
                                      FormulaContentsItems(FormulaTable()));
  contents = FillTemplate(std::move(contents), "<!-- @CONVERSIONS@ -->",
                          ConversionContentsItems(ConversionTable()));
  return FillTemplate(std::move(contents), "<!-- @FONCTIONS@ -->",
                      OneValueContentsItems(OneValueTable()));
}

std::string IndexSitemap(std::string templateText) {
  return FillTemplate(
      std::move(templateText), "<!-- @MOTS-CLES@ -->",
      IndexItems(FormulaTable(), ConversionTable(), OneValueTable()) + KeyIndexItems(CoreKeys()));
}

}  // namespace solvanex::helpcontent
