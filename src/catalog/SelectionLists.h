// The two selection lists built once from the catalogs.
#pragma once

#include <string>

#include "catalog/Catalog.h"
#include "model/StringList.h"

// Names of every trait row whose Listing is not exactly "*", in file order.
TStringList BuildTraitList(const TCatalog& traits);

// The 13 skill groups in their fixed order, each a heading line
// ("@@@@ 医学系 @@@@" ...) followed by the names of its skills in file
// order. Skills of no known group are not listed.
TStringList BuildSkillList(const TCatalog& skills);

// True for a heading line of the skill list (the only lines holding "@@@@").
bool IsSkillListHeading(const std::string& line);
