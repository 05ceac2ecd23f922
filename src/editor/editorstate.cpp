#include "editorstate.h"

EditorState editorState;

void resetEditorState()
{
    editorState = EditorState();
}
