"""Generators of the shipped content: resource scripts and SVG pictures."""
