// Glow of the native picture, worked out once per native pixel so that the
// full-window pass needs a single read of it.
uniform sampler2D source;
uniform highp vec2 r;          // two native pixels, in texture units
uniform lowp float qt_Opacity;
varying highp vec2 qt_TexCoord0;

void main()
{
    highp vec2 u = qt_TexCoord0;
    highp vec2 diag = 0.7 * r;
    highp vec2 anti = 0.7 * vec2(r.x, -r.y);
    highp vec3 c = texture2D(source, u + vec2(r.x, 0.0)).rgb
                 + texture2D(source, u - vec2(r.x, 0.0)).rgb
                 + texture2D(source, u + vec2(0.0, r.y)).rgb
                 + texture2D(source, u - vec2(0.0, r.y)).rgb
                 + texture2D(source, u + diag).rgb
                 + texture2D(source, u - diag).rgb
                 + texture2D(source, u + anti).rgb
                 + texture2D(source, u - anti).rgb;
    gl_FragColor = vec4(c / 8.0, 1.0) * qt_Opacity;
}
