#pragma once

#include <string>
#include <string_view>

#include "model/KnowledgeBase.h"
#include "model/Status.h"

namespace kelo {

// What the naming dialog needs besides the knowledge-base operations it calls
// on OK (AddTriadConstruct, AddNewObject, AddNewConstruct, ReplaceConstruct).

// The opposite pole proposed for a construct: "ne" directly followed by the
// name as typed ("ne" for an empty name).
std::string DefaultOpposite(std::string_view name);

// The triad shown in mode 1: the names of objects t, t+1 and t+2 joined by
// ",\n". Only the positions of t..t+2 that exist are used, so near the end
// of the list fewer names are joined, and past it the text is empty.
std::string TriadText(const KnowledgeBase& base, int t);

// Checks a name typed for a new object before AddNewObject. Refused, with a
// Czech message for the user, when an object of the same name without regard
// to letter case exists or the files could not hold the name. Names are
// otherwise taken exactly as typed: not trimmed, and an empty one is accepted.
Status AcceptObjectName(const KnowledgeBase& base, std::string_view name);

// The same for a construct and its opposite pole, before AddTriadConstruct,
// AddNewConstruct or, with the construct's position as `renamedConstruct`,
// ReplaceConstruct: the construct's own current name is no clash, so a
// rename may keep the name or change only its letter case.
Status AcceptConstructName(const KnowledgeBase& base, std::string_view name, std::string_view opposite,
                           int renamedConstruct = -1);

}  // namespace kelo
