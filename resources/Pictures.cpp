#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <array>

namespace norvane::pictures {
namespace {

const std::array<const char*, ProfileIconCount> profileSources = {
    "00-office", "01-home",     "02-cafe",    "03-train",   "04-plane", "05-hotel",
    "06-school", "07-hospital", "08-library", "09-factory", "10-shop",  "11-car",
    "12-boat",   "13-park",     "14-laptop",  "15-wifi",    "16-lab",   "17-globe"};

const std::array<const char*, CommandImageCount> commandSources = {"new", "modify", "delete",
                                                                   "activate", "quit"};

const QColor activeGreen(34, 163, 58);

// The active form has to be told apart at a glance in a list of similar tiles:
// a green frame around the tile and a green badge with a check mark.
void paintActiveMark(QPainter& painter, int size) {
    const qreal s = size;
    painter.setRenderHint(QPainter::Antialiasing);

    QPen frame(activeGreen, s * 0.06);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = s * 0.035;
    painter.drawRoundedRect(QRectF(inset, inset, s - 2 * inset, s - 2 * inset), s * 0.2, s * 0.2);

    const QPointF centre(s * 0.76, s * 0.76);
    const qreal radius = s * 0.21;
    painter.setPen(QPen(Qt::white, s * 0.04));
    painter.setBrush(activeGreen);
    painter.drawEllipse(centre, radius, radius);

    QPainterPath check;
    check.moveTo(centre + QPointF(-radius * 0.5, 0.0));
    check.lineTo(centre + QPointF(-radius * 0.12, radius * 0.4));
    check.lineTo(centre + QPointF(radius * 0.55, -radius * 0.38));
    QPen tick(Qt::white, s * 0.065, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(tick);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
}

} // namespace

QPixmap render(const QString& name, QSize size) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/") + name);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (!renderer.isValid())
        return pixmap;
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QPixmap profileImage(int index, int size) {
    if (index < 0 || index >= 2 * ProfileIconCount)
        return {};
    const bool active = index >= ProfileIconCount;
    const char* source = profileSources[static_cast<std::size_t>(index % ProfileIconCount)];
    QPixmap pixmap =
        render(QStringLiteral("profiles/%1.svg").arg(QLatin1String(source)), QSize(size, size));
    if (active) {
        QPainter painter(&pixmap);
        paintActiveMark(painter, size);
    }
    return pixmap;
}

std::vector<QPixmap> profileImageList(int size, bool withActiveForms) {
    const int count = withActiveForms ? 2 * ProfileIconCount : ProfileIconCount;
    std::vector<QPixmap> list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        list.push_back(profileImage(i, size));
    return list;
}

QIcon commandImage(int index) {
    if (index < 0 || index >= CommandImageCount)
        return {};
    const char* source = commandSources[static_cast<std::size_t>(index)];
    return QIcon(
        render(QStringLiteral("commands/%1.svg").arg(QLatin1String(source)), QSize(16, 16)));
}

QPixmap groupImage(GroupImage group) {
    switch (group) {
    case GroupImage::Profiles:
        return render(QStringLiteral("groups/profiles.svg"), QSize(32, 32));
    case GroupImage::Options:
        return render(QStringLiteral("groups/options.svg"), QSize(32, 32));
    case GroupImage::About:
        return render(QStringLiteral("groups/about.svg"), QSize(32, 32));
    }
    return {};
}

QPixmap flagEnglish() {
    return render(QStringLiteral("misc/flag-uk.svg"), QSize(16, 11));
}

QPixmap flagFrench() {
    return render(QStringLiteral("misc/flag-fr.svg"), QSize(16, 11));
}

QPixmap updateLinkImage() {
    return render(QStringLiteral("misc/update.svg"), QSize(16, 16));
}

QPixmap logo(QSize size) {
    return render(QStringLiteral("misc/logo.svg"), size);
}

QPixmap programPixmap(int size) {
    return render(QStringLiteral("misc/program.svg"), QSize(size, size));
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(programPixmap(size));
    return icon;
}

} // namespace norvane::pictures
