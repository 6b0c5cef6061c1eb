# Debian 12 packages, sourced by the build scripts.
BUILD_PACKAGES=(g++ make cmake pkg-config libicu-dev libgtest-dev qt6-base-dev fonts-ipafont-gothic)
# Only for starting the editor on a machine without a display.
HEADLESS_PACKAGES=(xvfb xauth imagemagick)
