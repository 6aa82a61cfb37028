#pragma once

#include "platform/colour.h"

#include <QObject>
#include <QString>

#include <array>

namespace atoz {

class SettingsStore;

inline constexpr int SwatchCount = 42;

// The swatch's built-in colour as decimal text, the form the settings store
// holds. Index 35 and every index outside 0..41 give white.
QString DefaultPaintColor(int index);
Colour DefaultPaint(int index);

// The 42 paint swatches of the colouring view, the current paint and the
// selected swatch. Swatch colours persist in the settings store, section
// "Paints", keys "Color0".."Color41", written the moment they change.
//
// The selected swatch shows white; its colour is shown by the marker inside
// it. Listeners redraw on changed().
class Palette : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Section = "Paints";
    static constexpr int StartSwatch = 2;  // the top-left swatch

    explicit Palette(SettingsStore& settings, QObject* parent = nullptr);

    // Every swatch from the store (a missing or unreadable value gives the
    // swatch's default), then swatch 2 selected.
    void LoadPalette();

    void ResetSwatchMarker();
    // Makes a swatch the current paint. An index that is no swatch is ignored.
    void SelectSwatch(int index);
    // Gives the selected swatch a new colour (its paint, PaintOf) and stores it.
    void SetPaintColor(Colour colour);
    void RestoreDefaultPaint();
    void RestoreAllDefaultPaints();

    int CurrentSwatch() const { return currentSwatch_; }
    // The paint a fill uses: the selected swatch's colour, except that a
    // swatch stored as 0 paints NearBlack, since black is the outline.
    Colour CurrentPaint() const { return PaintOf(currentPaint_); }

    // The swatch's own colour; for the selected swatch, the marker's fill.
    Colour SwatchColour(int index) const;
    // What the swatch shows as its background: white for the selected one.
    Colour SwatchBackground(int index) const;
    Colour markerFill() const { return SwatchColour(currentSwatch_); }

    static QString SettingsKey(int index) { return QStringLiteral("Color%1").arg(index); }

signals:
    void changed();

private:
    void storeSwatch(int index);

    SettingsStore& settings_;
    std::array<Colour, SwatchCount> colours_{};
    int currentSwatch_ = 0;
    Colour currentPaint_ = 0;
};

}  // namespace atoz
