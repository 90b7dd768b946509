import QtQuick 2.15
import QtMultimedia 5.15

// One playback channel of the sound player, on Qt Multimedia. A missing
// device or an unreadable file only ends the sound: the player reports its
// error to nobody and the game carries on.
Audio {
    property bool boucle: false
    readonly property bool enLecture: playbackState === Audio.PlayingState
    readonly property bool enPause: playbackState === Audio.PausedState

    loops: boucle ? Audio.Infinite : 1
    audioRole: Audio.GameRole

    function jouer() { play() }
    function arreter() { stop() }
    function suspendre() { pause() }
}
