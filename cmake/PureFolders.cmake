# The folders whose code is pure: framework/text/ and every folder named pure/
# (paths relative to the source root).
set(PURE_FOLDER_REGEX "^(framework/text/|(.*/)?pure/)")
