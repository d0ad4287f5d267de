// Tests of this window arrive with the window.
