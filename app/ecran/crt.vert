// The picture pass's pieces: each vertex says where it is in the window, so
// that a pixel gets it interpolated instead of working it out.
uniform highp mat4 qt_Matrix;
uniform highp vec2 coin;       // the piece's top-left in the window
uniform highp vec2 taille;     // the piece's size
uniform highp vec2 fenetre;    // the window's size
attribute highp vec4 qt_Vertex;
attribute highp vec2 qt_MultiTexCoord0;
varying highp vec2 vN;         // window point, -1..1
varying highp vec2 vU;         // window point, 0..1

void main()
{
    vU = (coin + qt_MultiTexCoord0 * taille) / fenetre;
    vN = vU * 2.0 - 1.0;
    gl_Position = qt_Matrix * qt_Vertex;
}
