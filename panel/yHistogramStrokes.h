// What one pixel column of the histogram view draws: up to three stacked
// segments (or one bar), the channel-D shade and its black top pixel, as
// vertical lines from `from` up to `to` with the end row left out.
#pragma once

#include "draw/yColor.h"

#include <cstdint>

struct yHistogramStroke
{
    int from = 0;
    int to = 0;
    yColor8 color;
};

struct yHistogramColumnStrokes
{
    // Drawn in order; the D shade first, when there is one.
    yHistogramStroke strokes[4];
    int count = 0;
    // A single black pixel on top of the D shade.
    bool hasTopPixel = false;
    int topPixelY = 0;
};

// Converts an 8-bit colour given in a colour model's channels to RGB for
// display; alpha is kept.
typedef yColor8 (*yModelToRGB)(const yColor8& channels, short model);

struct yHistogramColumnStyle
{
    int top = 0;    // inner area of the view: lines never go above it
    int bottom = 0; // the row where every bar starts
    bool inColor = false;
    short colorModel = 1;
    yColor8 highlight;
    yColor8 shadow; // channel D's shade
    yModelToRGB modelToRGB = nullptr; // needed only for models other than RGB
};

// Heights h[4] of channels A to D (hidden channels already 0), the grey level
// g of the column's value and whether the column lies in the shown selection.
void BuildColumnStrokes(const yHistogramColumnStyle& style, const uint32_t h[4], yMath::U8 g, bool selected,
                        yHistogramColumnStrokes& out);

// The three colours of a colour column, before the colour-model adjustment:
// c0 where all of A, B, C reach, c1 where the two taller reach, c2 the tallest
// alone; s[] are the heights in rising order.
void OrderColumnChannels(const uint32_t h[4], yMath::U8 g, uint32_t s[3], yColor8 c[3]);

// The model's zero defaults (HLS and HSV), then the conversion to RGB.
yColor8 AdjustColumnColor(const yColor8& c, short model, yModelToRGB modelToRGB);

// The colour a column holding only `channel` (0 to 3) at grey level g is drawn
// in: the model's colour of that channel, D's shade, or black in grey mode.
yColor8 SingleChannelColor(const yHistogramColumnStyle& style, int channel, yMath::U8 g);
