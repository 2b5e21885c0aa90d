#pragma once

#include <QImage>

// The board with its track, and what moves on it. Board geometry the program relies on:
// panels x 19..620 (question y 51..135, choices y 147..289); teal strip y 350..433; tick
// marks 5 px wide starting at x 199, 266, 333, 400, 466, 532 in the band y 436..438; the
// balloon in x 535..619 of the teal strip. The train car (180x84) stands in the strip with
// its needle tip at its right edge; the burst (85x84) covers the balloon's box exactly.
namespace TrackPictures {

// `scale`: device pixels per pixel of the layout above, which holds at every scale.
QImage board(int scale);
QImage trainCar(int scale);
QImage burstBalloon(int scale);

} // namespace TrackPictures
