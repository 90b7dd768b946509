// The uniforms the tube adds to the picture pass (crt.frag), which Tube puts
// before it with `#define TUBE`. They live apart so that the pass's pieces
// without the tube, whose shader items look up a property for every uniform
// their text declares, never see them.
//
// The tube is drawn into a picture of the window's size, its first row the
// window's top, tile by tile: the window point comes from the pixel's own
// position rather than interpolated across a tile, so that a pixel comes out
// the same whichever tiles are drawn with it.
uniform sampler2D halo;        // glow of the native picture, natif texels
uniform highp vec3 decaleDoux; // decale.x + (-0.25, 0, 0.25) x pente.x
uniform highp vec2 inversePixels; // 1 / the picture's size in pixels
uniform highp float parPixel;  // window units per pixel
uniform highp vec2 courbe;     // (0.07, 0.11) x curvature
uniform highp vec2 versNatifG; // c = curved window point (-1..1) x G + C
uniform highp vec2 versNatifC;
uniform highp float forceLueur; // 0.95 x glow
uniform highp float balayage;  // 2.8 x scanline depth
uniform highp vec2 masque;     // make-up, and make-up x (1 - 0.4 x mask depth)
uniform highp float vignette;  // 0.44 x vignette
