// quellin-card-art: draws the background and emblem of every card's small and large picture, and
// the six role pictures, into an Images folder, from the catalogue. Run by the build; the
// repository holds no pictures. The game writes each card's cost, points, name and kind over it.

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cards/Catalogue.h"

namespace {

constexpr int kScale = 2;  // pictures are drawn at twice their logical size

struct Kind {
    QColor fill;
    QColor ink;
};

// Production buildings take their good's colour; violet buildings are violet. The game writes
// the kind in words over it, so that colour never carries it alone.
Kind KindOf(const CatalogueRecord& card) {
    if (card.type != 0) {
        return {QColor("#7b4fa0"), Qt::white};
    }
    if (card.name == "Indigo Plant")
        return {QColor("#2f3f9f"), Qt::white};
    if (card.name == "Sugar Mill")
        return {QColor("#f7f7f2"), Qt::black};
    if (card.name == "Tobacco Storage")
        return {QColor("#9a6332"), Qt::white};
    if (card.name == "Coffee Roaster")
        return {QColor("#4a2c18"), Qt::white};
    return {QColor("#a9a9a9"), Qt::black};
}

std::uint32_t Hash(const std::string& text) {
    std::uint32_t h = 2166136261u;
    for (const char c : text) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

// An emblem of the building's own: a shape, its number of points, a turn and an inner mark,
// all taken from its name, so that no two buildings look alike.
void DrawEmblem(QPainter& p, const QPointF& centre, double radius, const std::string& name,
                const QColor& ink) {
    const std::uint32_t h = Hash(name);
    const int points = 3 + static_cast<int>(h % 6);
    const int style = static_cast<int>((h >> 3) % 4);
    const double turn = ((h >> 5) % 360) * M_PI / 180;
    const int inner = static_cast<int>((h >> 13) % 4);
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const bool outer = i % 2 == 0;
        const double r = style == 0 ? radius : (outer ? radius : radius * (0.35 + 0.15 * style));
        if (style == 3 && !outer) {
            continue;
        }
        const double a = turn + i * M_PI / points;
        const QPointF at(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.closeSubpath();
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 60));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
    const double r = radius * 0.3;
    switch (inner) {
        case 0:
            p.drawEllipse(centre, r, r);
            break;
        case 1:
            p.drawRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
            break;
        case 2:
            p.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
            p.drawLine(QPointF(centre.x(), centre.y() - r), QPointF(centre.x(), centre.y() + r));
            break;
        default:
            p.setBrush(ink);
            p.drawEllipse(centre, r * 0.6, r * 0.6);
            break;
    }
}

QImage Card(const CatalogueRecord& card, int width, int height, bool large) {
    QImage image(width * kScale, height * kScale, QImage::Format_RGB32);
    image.fill(QColor("#fbf6ea"));
    QPainter p(&image);
    p.scale(kScale, kScale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Kind kind = KindOf(card);
    const QRectF body(1, 1, width - 2, height - 2);
    p.setPen(QPen(QColor("#3a3226"), 1.2));
    p.setBrush(kind.fill);
    p.drawRoundedRect(body, 5, 5);
    // The emblem sits below where the game writes the cost, points and name; the game writes
    // those and the kind over the picture from the catalogue it plays with.
    const double emblemSize = large ? 70 : 34;
    const double emblemTop = large ? 74 : 46;
    DrawEmblem(p, QPointF(width / 2.0, emblemTop + emblemSize / 2 + 2), emblemSize / 2, card.name,
               kind.ink);
    return image;
}

QImage Role(int index, int width, int height) {
    static const char* const names[] = {"Governor", "Builder",    "Councillor",
                                        "Producer", "Prospector", "Trader"};
    static const char* const colours[] = {"#8b1a1a", "#6b4f2a", "#2f5f8f",
                                          "#3c7a3c", "#a07a10", "#7b4fa0"};
    QImage image(width * kScale, height * kScale, QImage::Format_RGB32);
    image.fill(QColor("#fbf6ea"));
    QPainter p(&image);
    p.scale(kScale, kScale);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour(colours[index]);
    p.setPen(QPen(colour.darker(), 2));
    p.setBrush(colour.lighter(170));
    p.drawRoundedRect(QRectF(2, 2, width - 4, height - 4), 8, 8);
    DrawEmblem(p, QPointF(width / 2.0, height * 0.42), width * 0.3, names[index], colour.darker());
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(colour.darker(150));
    p.drawText(QRectF(0, height * 0.75, width, 30), Qt::AlignCenter, names[index]);
    return image;
}

bool Save(const QImage& image, const std::filesystem::path& file) {
    if (!image.save(QString::fromStdString(file.string()), "BMP")) {
        std::fprintf(stderr, "quellin-card-art: cannot write %s\n", file.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quellin-card-art CATALOGUE IMAGES-FOLDER\n");
        return 2;
    }
    const std::filesystem::path images = argv[2];
    try {
        for (const char* folder : {"Small", "Large", "Roles"}) {
            std::filesystem::create_directories(images / folder);
        }
        bool ok = true;
        for (const CatalogueRecord& card : ReadCatalogueFile(argv[1])) {
            ok = Save(Card(card, 62, 95, false), images / "Small" / (card.name + ".BMP")) && ok;
            ok = Save(Card(card, 160, 246, true), images / "Large" / (card.name + ".BMP")) && ok;
        }
        for (int i = 0; i < 6; ++i) {
            ok = Save(Role(i, 160, 246),
                      images / "Roles" / ("Role_" + std::to_string(i) + ".bmp")) &&
                 ok;
        }
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quellin-card-art: %s\n", error.what());
        return 1;
    }
}
