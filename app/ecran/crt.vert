// The picture pass: each vertex of a piece says where it is in the window, so
// that a pixel gets its native point interpolated instead of working it out.
// The tube works from the pixel's own position and needs nothing more.
uniform highp mat4 qt_Matrix;
uniform highp vec2 coin;       // the piece's top-left in the window
uniform highp vec2 taille;     // the piece's size
uniform highp vec2 fenetre;    // the window's size
uniform highp vec2 versNatifA; // native point = flat window point (-1..1) x A + B
uniform highp vec2 versNatifB;
attribute highp vec4 qt_Vertex;
attribute highp vec2 qt_MultiTexCoord0;
#ifndef TUBE
varying highp vec2 vC;         // native point - 0.5 (no curvature without the tube)
#endif

void main()
{
#ifndef TUBE
    highp vec2 u = (coin + qt_MultiTexCoord0 * taille) / fenetre;
    vC = (u * 2.0 - 1.0) * versNatifA + versNatifB - 0.5;
#endif
    gl_Position = qt_Matrix * qt_Vertex;
}
