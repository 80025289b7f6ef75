#include "KnowledgeBase.h"

#include "Cp1250.h"

namespace kelo {

Status StorableName(std::string_view name, std::string_view what) {
  if (name.find_first_of(std::string_view("\t\r\n\0", 4)) != std::string_view::npos)
    return Status::Error(std::string(what) +
                         " nesmí obsahovat tabulátor ani konec řádku: soubory báze by ho nemohly uložit.");
  if (auto encoded = EncodeCp1250(name); !encoded)
    return Status::Error(std::string(what) + ": " + encoded.message());
  return Status::Ok();
}

void KnowledgeBase::SetValue(int v, int o, int k) {
  O[o].Values.set(k, v);
  K[k].Values.set(o, v);
}

Result<int> KnowledgeBase::AddNewObject(std::string name) {
  if (auto status = StorableName(name, "Název objektu"); !status) return status;
  TObjekt object;
  object.Values.reserve(K.size());
  for (int k = 0; k < K.size(); ++k) object.Values.push_back(0);
  const int position = O.Add(std::move(name), std::move(object));
  InsertNeutralObjectColumn(position);
  return position;
}

Result<int> KnowledgeBase::AddNewConstruct(std::string name, std::string opposite) {
  if (auto status = StorableName(name, "Název konstruktu"); !status) return status;
  if (auto status = StorableName(opposite, "Opačná vlastnost"); !status) return status;
  TKonstrukt construct;
  construct.Opposite = std::move(opposite);
  construct.Values.reserve(O.size());
  for (int o = 0; o < O.size(); ++o) construct.Values.push_back(0);
  const int position = K.Add(std::move(name), std::move(construct));
  InsertNeutralConstructColumn(position);
  return position;
}

Status KnowledgeBase::AddStartObject(std::string name) {
  if (auto status = StorableName(name, "Název objektu"); !status) return status;
  TObjekt object;
  for (int k = 0; k < 3; ++k) object.Values.push_back(0);
  O.Add(std::move(name), std::move(object));
  return Status::Ok();
}

Status KnowledgeBase::AddTriadConstruct(std::string name, std::string opposite) {
  if (auto status = StorableName(name, "Název konstruktu"); !status) return status;
  if (auto status = StorableName(opposite, "Opačná vlastnost"); !status) return status;
  TKonstrukt construct;
  construct.Opposite = std::move(opposite);
  for (int o = 0; o < 5; ++o) construct.Values.push_back(0);
  K.Add(std::move(name), std::move(construct));
  return Status::Ok();
}

Result<int> KnowledgeBase::ReplaceConstruct(int k, std::string name, std::string opposite) {
  if (auto status = StorableName(name, "Název konstruktu"); !status) return status;
  if (auto status = StorableName(opposite, "Opačná vlastnost"); !status) return status;
  TKonstrukt renamed;
  renamed.Opposite = std::move(opposite);
  renamed.Values = std::move(K[k].Values);
  K.Remove(k);
  const int position = K.Add(std::move(name), std::move(renamed));
  for (int o = 0; o < O.size(); ++o) O[o].Values.move(k, position);
  return position;
}

void KnowledgeBase::RemoveConstruct(int k) {
  for (int o = 0; o < O.size(); ++o) O[o].Values.erase(k);
  K.Remove(k);
}

void KnowledgeBase::Clear() {
  O.Clear();
  K.Clear();
}

void KnowledgeBase::InsertNeutralObjectColumn(int position) {
  for (int k = 0; k < K.size(); ++k) K[k].Values.insert(position, 0);
}

void KnowledgeBase::InsertNeutralConstructColumn(int position) {
  for (int o = 0; o < O.size(); ++o) O[o].Values.insert(position, 0);
}

}  // namespace kelo
