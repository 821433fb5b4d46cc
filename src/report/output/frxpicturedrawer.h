#pragma once
// Pictures: stretched into the view (keeping the aspect ratio when asked) or
// at their natural size of one report pixel per picture pixel, over the view's
// background and under its frame.
class Canvas;
class TfrxPictureView;

void DrawPicture(Canvas &canvas, const TfrxPictureView &picture, double scaleX, double scaleY, double offsetX,
                 double offsetY);
