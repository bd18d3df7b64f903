#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

namespace norvane::pictures {

// A profile's IMAGE field picks one of these; the list shown in the main window
// holds them twice, the second half in the "active" form.
inline constexpr int ProfileIconCount = 18;

// Index 0..17 is a profile icon, 18..35 the same icon in its active form.
// Any other index gives a null pixmap.
QPixmap profileImage(int index, int size);

// The image lists: 36 entries (plain, then active) or only the 18 plain icons.
std::vector<QPixmap> profileImageList(int size, bool withActiveForms);

// Command images in the order of the command bar: 0 new, 1 modify, 2 delete,
// 3 activate, 4 quit.
inline constexpr int CommandImageCount = 5;
QIcon commandImage(int index);

enum class GroupImage { Profiles, Options, About };
QPixmap groupImage(GroupImage group);

QPixmap flagEnglish();
QPixmap flagFrench();
QPixmap updateLinkImage();
QPixmap logo(QSize size);
QIcon programIcon();
QPixmap programPixmap(int size);

// Renders one of the compiled-in SVG sources ("misc/logo.svg") at the given size.
QPixmap render(const QString& name, QSize size);

} // namespace norvane::pictures
