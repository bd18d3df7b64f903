#pragma once

// The data framework's own texts, shown behind the data set's name.
namespace norvane::texts {

inline constexpr char kClosed[] =
    "Impossible d'effectuer cette opération sur un ensemble de données fermé";
inline constexpr char kEmpty[] =
    "Impossible d'effectuer cette opération sur un ensemble de données vide";
inline constexpr char kNotEditing[] =
    "L'ensemble de données n'est pas en mode Edition ou Insertion";

} // namespace norvane::texts
