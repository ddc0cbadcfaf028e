#!/usr/bin/env bash
echo "no sample yet"
