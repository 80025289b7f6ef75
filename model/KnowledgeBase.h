#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "SortedList.h"
#include "Status.h"

namespace kelo {

// The repertory grid: the object list O and the construct list K, each sorted
// by name, and the rating matrix held twice, once per object and once per
// construct. Every operation keeps the two copies in step.
//
// Positions passed in are valid list positions (callers check); names are
// checked by StorableName and refused, changing nothing, when the files could
// not hold them.
class KnowledgeBase {
 public:
  SortedList<TObjekt> O;
  SortedList<TKonstrukt> K;

  int ObjectCount() const { return O.size(); }
  int ConstructCount() const { return K.size(); }
  bool empty() const { return O.empty() && K.empty(); }

  // O[o].Values[k] and K[k].Values[o] as integers.
  int ObjectValue(int o, int k) const { return O[o].Values.value(k); }
  int ConstructValue(int o, int k) const { return K[k].Values.value(o); }

  // Replaces exactly one entry in each copy.
  void SetValue(int v, int o, int k);

  // Each returns the sorted position the new record took; every record of the
  // other list gets a neutral "0" at that position.
  Result<int> AddNewObject(std::string name);
  Result<int> AddNewConstruct(std::string name, std::string opposite);

  // The start sequence: five objects, each with three neutral entries, then
  // three constructs of five neutral entries, nothing mirrored because every
  // rating is still zero.
  Status AddStartObject(std::string name);
  Status AddTriadConstruct(std::string name, std::string opposite);

  // Renames construct k; it moves to the sorted position of its new name,
  // which is returned, and both copies of its ratings follow it.
  Result<int> ReplaceConstruct(int k, std::string name, std::string opposite);
  void RemoveConstruct(int k);

  void Clear();

 private:
  void InsertNeutralObjectColumn(int position);
  void InsertNeutralConstructColumn(int position);
};

// Ok when the grid and object-name files can hold the name exactly: no TAB,
// CR, LF or NUL, and only characters of Windows-1250. `what` names the field in
// the message ("Název objektu", "Opačný pól", ...).
Status StorableName(std::string_view name, std::string_view what);

}  // namespace kelo
