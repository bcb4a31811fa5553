# What Debian's emscripten needs from the environment. Sourced, not run.

# emcc runs its JavaScript tools with whichever node is first on PATH; one that is not Debian's
# own finds Debian's node modules (acorn, ...) only through NODE_PATH.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
